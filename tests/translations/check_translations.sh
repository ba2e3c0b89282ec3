#!/bin/sh
# Every text of the program has a finished translation in each translation file given, and no
# file keeps a text the program no longer has: the files are brought up to date in a temporary
# copy, where a new text shows as unfinished and a removed one as vanished.
# Usage: check_translations.sh ROOT TS_FILE...
set -eu
root=$1
shift
copies=$(mktemp -d)
trap 'rm -rf "$copies"' EXIT
status=0
for ts in "$@"; do
    copy="$copies/$(basename "$ts")"
    cp "$ts" "$copy"
    "$root/tools/update-translations.sh" "$copy" 2>/dev/null
    # Each message whose translation is not finished, with the first line of its source text.
    awk -v file="$(basename "$ts")" '
        /<name>/ { context = $0; gsub(/ *<\/?name>/, "", context) }
        /<source>/ { source = $0; gsub(/ *<\/?source>/, "", source) }
        /<translation type="(unfinished|vanished|obsolete)"/ {
            kind = $0; sub(/.*type="/, "", kind); sub(/".*/, "", kind)
            printf "%s: %s in %s: %s\n", file, kind, context, source; bad = 1 }
        END { exit bad }' "$copy" || status=1
done
exit $status
