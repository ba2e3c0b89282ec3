#!/bin/sh
# Fails when a file of this program or of a test program in the user's settings or data folders
# changed after the stamp $1 was made before the suites ran: a suite wrote where the user keeps
# his own (the recent experiment files, say).
stamp=$1
changed=$(find "${XDG_CONFIG_HOME:-$HOME/.config}" "${XDG_DATA_HOME:-$HOME/.local/share}" \
    -newer "$stamp" \( -ipath '*trelvix*' -o -name 'tst_*' -o -name 'run_with_results_file*' \) \
    2>/dev/null)
if [ -n "$changed" ]; then
    echo "changed by the suites in the user's folders:"
    echo "$changed"
    exit 1
fi
