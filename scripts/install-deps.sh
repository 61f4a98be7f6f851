#!/bin/sh
# Installs the Debian 12 packages that building, running and testing TALVERA need.
# Idempotent: it asks apt only for what dpkg does not already report as installed.
set -eu

packages="
  make cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins
  clang-format clang-tidy libboost-dev
  fonts-comic-neue fonts-liberation2 fonts-dejavu-core fontconfig
"

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
