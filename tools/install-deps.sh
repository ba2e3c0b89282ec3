#!/usr/bin/env bash
# Installs the Debian 12 packages that building and running need (and, with --test, what the
# test suite needs too), but only those that are missing: a prepared machine needs no network.
set -euo pipefail

# fonts-liberation: the help documents are laid out in Liberation Serif when they are built (the
# program itself carries its fonts).  qt6-tools-dev and qt6-l10n-tools: lrelease builds the
# translations into the program (lupdate keeps them up to date and checks them).
packages=(cmake make g++ qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libgl-dev
          qt6-tools-dev qt6-l10n-tools fonts-liberation qt6-translations-l10n)
if [[ "${1:-}" == "--test" ]]; then
    # clang with its sanitizer and libFuzzer run-time libraries for the sanitizer stage; the
    # desktop's validators, the file-type database and its lookup, and dpkg's tools for the test
    # of the install tree and the Debian package; and fonts a desktop often has, among them
    # Liberation 2.x under the names of 1.x, so the picture tests prove that the program draws
    # with its own carried fonts whatever else is installed.
    packages+=(locales clang libclang-rt-14-dev desktop-file-utils appstream shared-mime-info
               libglib2.0-bin dpkg-dev file
               fonts-liberation2 fonts-dejavu-core fonts-noto-core fonts-urw-base35)
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

as_root() {
    if [[ $(id -u) -eq 0 ]]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "install-deps: need root or sudo to run: $*" >&2
        exit 1
    fi
}

if ((${#missing[@]})); then
    echo "install-deps: installing ${missing[*]}"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
fi

# The number tests switch to a Russian locale to prove that the program's own number reading
# and writing ignore the decimal comma that the C library would then use.
if [[ "${1:-}" == "--test" ]] && ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
    as_root sed -i 's/^# *ru_RU.UTF-8 UTF-8/ru_RU.UTF-8 UTF-8/' /etc/locale.gen
    as_root locale-gen >/dev/null
fi
