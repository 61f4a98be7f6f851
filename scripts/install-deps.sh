#!/bin/sh
# Installs the Debian 12 packages that building, running and testing TALVERA need.
# Idempotent: it asks apt only for what dpkg does not already report as installed.
#   --package   also what building and checking the Debian package needs (`make deb`)
#   --fuzz      also clang and its libFuzzer runtime, for `make fuzz`
#   --coverage  also gcovr, for `make coverage`
#   --atspi     also what tools/atspi-probe.py needs to drive the program through the desktop
#               accessibility bus under a virtual X server; building and testing never need it.
set -eu

packages="
  make cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins qt6-speech-dev qt6-declarative-dev
  qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng
  clang-format clang-tidy libboost-dev libgmp-dev poppler-utils
  fonts-comic-neue fonts-liberation2 fonts-dejavu-core fontconfig
"

for option in "$@"; do
    case "$option" in
        --package) packages="$packages build-essential debhelper dpkg-dev lintian desktop-file-utils appstream" ;;
        --fuzz) packages="$packages clang libclang-rt-dev" ;;
        --coverage) packages="$packages gcovr" ;;
        --atspi) packages="$packages xvfb xdotool dbus-x11 at-spi2-core python3-pyatspi openbox qt6-qpa-plugins" ;;
        *) echo "install-deps: unknown option $option" >&2; exit 2 ;;
    esac
done

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "install-deps: these packages are missing and neither root nor sudo is available:$missing" >&2
    exit 1
fi

echo "install-deps: installing$missing"
# A fresh machine has no package lists yet.
$as_root apt-get update
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y --no-install-recommends $missing
