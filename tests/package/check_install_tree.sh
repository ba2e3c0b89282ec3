#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop will look for there: the
# program and its launcher, the help documents, the menu entry, the software-centre metadata, the
# experiment file type and the icon at every size.  The validators of the desktop and of
# AppStream judge the installed files, the file type is recognised by name and by first line and
# opens with the program, the launcher runs the program in ~/trelvix, and `cpack -G DEB` packs
# the same files under /usr.
# Usage: check_install_tree.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The desktop's tools are needed only to test; `tools/install-deps.sh --test` brings them.
for tool in desktop-file-validate appstreamcli update-mime-database update-desktop-database gio \
    file cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run tools/install-deps.sh --test"
done

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
cd "$prefix"

for f in bin/trelvix bin/trelvix-desktop; do
    [[ -x $f ]] || fail "$f is not an installed program"
done
metainfo=(share/metainfo/*.metainfo.xml)
for f in share/trelvix/help/{,en/}{spravka.pdf,spravka2.pdf,uprav.pdf,instruction.txt} \
    share/applications/trelvix.desktop share/mime/packages/trelvix.xml "${metainfo[0]}" \
    share/icons/hicolor/scalable/apps/trelvix.svg; do
    [[ -s $f ]] || fail "$f is missing or empty"
done
for size in 16 22 24 32 48 64 128 256; do
    icon=share/icons/hicolor/${size}x${size}/apps/trelvix.png
    file -b "$icon" | grep -q "^PNG image data, $size x $size," || fail "$icon is no $size px PNG"
done

desktop-file-validate share/applications/trelvix.desktop | { ! grep -E 'error|warning'; } ||
    fail "desktop-file-validate"
appstreamcli validate --no-net "${metainfo[0]}" >/dev/null ||
    fail "appstreamcli validate: $(appstreamcli validate --no-net "${metainfo[0]}")"

# The file type and its program, looked up the way file managers do, in databases built from the
# installed files only: the type by the name ending, and by the first line of a file named
# otherwise; a double click runs the menu entry's command on the file.
update-mime-database share/mime >/dev/null 2>&1 || fail "update-mime-database"
update-desktop-database share/applications || fail "update-desktop-database"
desktop() { PATH=$prefix/bin:$PATH XDG_DATA_HOME=$work/none XDG_DATA_DIRS=$prefix/share "$@"; }
content_type() { desktop gio info -a standard::content-type "$1" | sed -n 's/.*type: //p'; }
printf 'trelvix experiment 1\r\n' >"$work/lesson.trelvix"
cp "$work/lesson.trelvix" "$work/lesson"
printf '\xef\xbb\xbftrelvix experiment 1\n' >"$work/lesson-with-mark"
printf 'trelvix results\r\n' >"$work/other"
for f in lesson.trelvix lesson lesson-with-mark; do
    [[ $(content_type "$work/$f") == application/x-trelvix ]] || fail "type of $f"
done
[[ $(content_type "$work/other") != application/x-trelvix ]] || fail "magic matches any text"

# The launcher, from a terminal and by a double click, with the program replaced by a stand-in
# that reports where and with what it ran.
# shellcheck disable=SC2016 # the stand-in expands its own variables
printf '#!/bin/sh\n{ pwd; printf "%%s\\n" "$@"; } >"$HOME/r" && mv "$HOME/r" "$HOME/ran"\n' \
    >bin/trelvix
export HOME=$work/home
mkdir "$HOME"
ran_with() {
    local tries=0
    until [[ -e $HOME/ran ]] || ((++tries > 50)); do sleep 0.1; done
    printf -v expected '%s\n' "$HOME/trelvix" "$@"
    [[ $(cat "$HOME/ran")$'\n' == "$expected" ]] || fail "launcher ran: $(cat "$HOME/ran")"
    rm "$HOME/ran"
}
(cd "$work" && "$prefix/bin/trelvix-desktop" lesson.trelvix --no-such-file)
ran_with "$work/lesson.trelvix" --no-such-file
for f in uprav.pdf en/uprav.pdf; do
    cmp -s "share/trelvix/help/$f" "$HOME/trelvix/$f" || fail "help $f not copied"
done
desktop gio open "$work/lesson"
ran_with "$work/lesson"

# The package: the same files under /usr, its fields, and the libraries found by dpkg-shlibdeps.
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/deb" >/dev/null
deb=("$work"/deb/trelvix_*.deb)
dpkg-deb --contents "${deb[0]}" | awk '$1 !~ /^d/ { sub("^\\./usr/", "", $6); print $6 }' |
    sort >"$work/packed"
find . ! -type d | sed 's|^\./||' | grep -v -e '^share/mime/[^p]' -e 'mimeinfo.cache' |
    sort >"$work/installed"
diff "$work/installed" "$work/packed" || fail "the package holds other files than the install"
[[ $(dpkg-deb -f "${deb[0]}" Package Version Section) == \
    $'Package: trelvix\nVersion: '"$version"$'\nSection: education' ]] || fail "control fields"
depends=$(dpkg-deb -f "${deb[0]}" Depends)
# The fonts travel inside the program: no font package is asked for.
[[ $depends != *fonts-* && $depends == *libqt6widgets6* ]] || fail "Depends: $depends"
echo "install tree and package checked"
