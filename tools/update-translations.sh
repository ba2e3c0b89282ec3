#!/usr/bin/env bash
# Brings the translation files up to date with the program's texts: new texts are added as
# unfinished, texts no longer in the program are marked vanished.  With file names, updates
# those (the translation check updates a copy); without, every translations/trelvix_*.ts.
# --no-obsolete drops the vanished texts instead.
set -euo pipefail
options=()
if [[ "${1:-}" == "--no-obsolete" ]]; then options+=(-no-obsolete); shift; fi
root="$(cd "$(dirname "$0")/.." && pwd)"
lupdate=/usr/lib/qt6/bin/lupdate
if (($#)); then files=("$@"); else files=("$root"/translations/trelvix_*.ts); fi
# translatedText is the model's translation function (it has no Qt): lupdate reads it as
# QCoreApplication::translate(context, source).
"$lupdate" -silent -locations none -source-language ru "${options[@]}" \
    -tr-function-alias translate+=translatedText -I "$root" \
    "$root"/model "$root"/platform "$root"/entry "$root"/graphics "$root"/shell \
    -ts "${files[@]}"
