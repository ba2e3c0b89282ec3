#!/usr/bin/env bash
# Runs every libFuzzer target of build-asan/ (see tools/sanitize.sh) for a bounded time, each from
# a scratch copy of its seed corpus fuzz/corpus/<name>, so the repository is left as it is, and
# with its dictionary fuzz/<name>.dict where there is one.
#   TRELVIX_FUZZ_SECONDS   time per target, 60 by default
# A finding stops the script; its input is kept in build-asan/fuzz-findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/sanitizer-options.sh

seconds=${TRELVIX_FUZZ_SECONDS:-60}
findings=$PWD/build-asan/fuzz-findings
mkdir -p "$findings"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

for seeds in fuzz/corpus/*/; do
    name=$(basename "$seeds")
    target=build-asan/fuzz/fuzz_$name
    cp -r "$seeds" "$scratch/$name"
    options=(-max_total_time="$seconds" -timeout=10 -artifact_prefix="$findings/")
    [[ -f fuzz/$name.dict ]] && options+=(-dict="fuzz/$name.dict")
    echo "fuzz_$name: ${seconds} s from $(ls "$seeds" | wc -l) seeds"
    if ! QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 "$target" "${options[@]}" "$scratch/$name" \
        >"$scratch/$name.log" 2>&1; then
        tail -n 60 "$scratch/$name.log"
        echo "fuzz_$name: FAILED (input kept in $findings)"
        exit 1
    fi
    grep -E '^Done [0-9]+ runs' "$scratch/$name.log" || true
done
