#!/usr/bin/env bash
# Configures build/ and builds in it: with no argument everything (the program, the help
# documents, the test suites and the benchmark programs); with target names only those and what
# they need.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
if (($#)); then
    cmake --build build -j"$(nproc)" --target "$@"
else
    cmake --build build -j"$(nproc)"
fi
