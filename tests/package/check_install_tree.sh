#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop will look for there: the
# program and its launcher, the help documents, the menu entry, the software-centre metadata, the
# experiment file type and the icon at every size.  The validators of the desktop and of
# AppStream judge the installed files, the file type is recognised by name and by first line,
# the launcher runs the program in ~/trelvix, and `cpack -G DEB` packs the same files under /usr.
# Usage: check_install_tree.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
cd "$prefix"

for f in bin/trelvix bin/trelvix-desktop; do
    [[ -x $f ]] || fail "$f is not an installed program"
done
metainfo=(share/metainfo/*.metainfo.xml)
for f in share/trelvix/help/{spravka.pdf,spravka2.pdf,uprav.pdf,instruction.txt} \
    share/applications/trelvix.desktop share/mime/packages/trelvix.xml "${metainfo[0]}" \
    share/icons/hicolor/scalable/apps/trelvix.svg; do
    [[ -s $f ]] || fail "$f is missing or empty"
done
for size in 16 22 24 32 48 64 128 256; do
    icon=share/icons/hicolor/${size}x${size}/apps/trelvix.png
    file -b "$icon" | grep -q "^PNG image data, $size x $size," || fail "$icon is no $size px PNG"
done

# The validators are not needed to build, only to test: the suite's install step brings them.
desktop-file-validate share/applications/trelvix.desktop | { ! grep -E 'error|warning'; } ||
    fail "desktop-file-validate"
appstreamcli validate --no-net "${metainfo[0]}" >/dev/null ||
    fail "appstreamcli validate: $(appstreamcli validate --no-net "${metainfo[0]}")"

# The file type, looked up the way file managers do, in a database built from the installed
# package file only: by the name ending, and by the first line of a file named otherwise.
update-mime-database share/mime >/dev/null 2>&1 || fail "update-mime-database"
printf 'trelvix experiment 1\r\n' >"$work/lesson.trelvix"
cp "$work/lesson.trelvix" "$work/lesson"
printf 'trelvix results\r\n' >"$work/other"
content_type() {
    XDG_DATA_HOME=$work/none XDG_DATA_DIRS=$prefix/share:/usr/share \
        gio info -a standard::content-type "$1" | sed -n 's/.*content-type: //p'
}
[[ $(content_type "$work/lesson.trelvix") == application/x-trelvix ]] || fail "glob"
[[ $(content_type "$work/lesson") == application/x-trelvix ]] || fail "magic"
[[ $(content_type "$work/other") != application/x-trelvix ]] || fail "magic matches any text"

# The launcher, with the program replaced by a stand-in that reports where and with what it ran.
# shellcheck disable=SC2016 # the stand-in expands its own variables
printf '#!/bin/sh\n{ pwd; printf "%%s\\n" "$@"; } >"$HOME/ran"\n' >bin/trelvix
mkdir "$work/home"
(cd "$work" && HOME=$work/home "$prefix/bin/trelvix-desktop" lesson.trelvix --no-such-file)
printf -v expected '%s\n' "$work/home/trelvix" "$work/lesson.trelvix" --no-such-file
[[ $(cat "$work/home/ran")$'\n' == "$expected" ]] || fail "launcher ran: $(cat "$work/home/ran")"
cmp -s share/trelvix/help/uprav.pdf "$work/home/trelvix/uprav.pdf" || fail "help not copied"

# The package: the same files under /usr, its fields, and the libraries found by dpkg-shlibdeps.
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" >/dev/null
deb=("$work"/deb/trelvix_*.deb)
dpkg-deb --contents "${deb[0]}" | awk '$1 !~ /^d/ { sub("^\\./usr/", "", $6); print $6 }' |
    sort >"$work/packed"
find . ! -type d | sed 's|^\./||' | grep -v '^share/mime/[^p]' | sort >"$work/installed"
diff "$work/installed" "$work/packed" || fail "the package holds other files than the install"
[[ $(dpkg-deb -f "${deb[0]}" Package Version Section) == \
    $'Package: trelvix\nVersion: '"$version"$'\nSection: education' ]] || fail "control fields"
depends=$(dpkg-deb -f "${deb[0]}" Depends)
[[ $depends == *fonts-liberation* && $depends == *libqt6widgets6* ]] || fail "Depends: $depends"
echo "install tree and package checked"
