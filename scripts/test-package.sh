#!/bin/sh
# Checks the Debian package in dist/ as it will land on a machine: unpacked into a temporary
# root, every file where desktops and software centres look for it, the entry and the metainfo
# valid, and the unpacked program itself answering --version and passing its self-test (a short
# session on real widgets offscreen, with the pictures compiled into it and the system's fonts).
#   test-package.sh [--if-fresh]
# With --if-fresh it does nothing unless dist/ holds a package newer than every source file.
set -eu
cd "$(dirname "$0")/.."

deb=""
for candidate in dist/talvera_*.deb; do
    if [ -f "$candidate" ] && { [ -z "$deb" ] || [ "$(stat -c %Y "$candidate")" -gt "$(stat -c %Y "$deb")" ]; }; then
        deb=$candidate
    fi
done
if [ "${1:-}" = "--if-fresh" ]; then
    [ -n "$deb" ] || exit 0
    newest_source=$(git ls-files -z | xargs -0 stat -c %Y 2>/dev/null | sort -n | tail -n 1)
    if [ "$(stat -c %Y "$deb")" -lt "$newest_source" ]; then
        echo "test-package: $deb is older than the sources; skipped (make deb, then make test-package)"
        exit 0
    fi
fi
if [ -z "$deb" ]; then
    echo "test-package: no package in dist/; run make deb first" >&2
    exit 1
fi

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
echo "test-package: $deb unpacked in $root"

failures=0
check() {
    what=$1
    shift
    if "$@" >"$root.log" 2>&1; then
        echo "ok: $what"
    else
        echo "FAILED: $what"
        sed 's/^/    /' "$root.log"
        failures=$((failures + 1))
    fi
    rm -f "$root.log"
}

id=pt.talvera.Talvera
desktop=usr/share/applications/$id.desktop
metainfo=usr/share/metainfo/$id.metainfo.xml
for file in usr/bin/talvera "$desktop" "$metainfo" usr/share/icons/hicolor/scalable/apps/$id.svg \
    usr/share/man/man1/talvera.1.gz usr/share/doc/talvera/copyright; do
    check "$file" test -f "$root/$file"
done
for size in 16 22 24 32 48 64 128 256; do
    check "${size}x$size icon" test -f "$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png"
done
check "the program is executable" test -x "$root/usr/bin/talvera"

# Only the program and its data: no tests, no developer tools, nothing outside /usr.
check "nothing outside /usr" test -z "$(find "$root" -mindepth 1 -maxdepth 1 ! -name usr)"
check "only talvera in /usr/bin" test "$(ls "$root/usr/bin")" = talvera
check "no test or tool files" test -z "$(find "$root" -name 'test_*' -o -name 'talvera-*' -o -name '*.scn')"

field() { sed -n "s/^$1=//p" "$root/$desktop"; }
check "desktop entry validates" desktop-file-validate "$root/$desktop"
check "Exec= is a program in /usr/bin" test -x "$root/usr/bin/$(field Exec | cut -d ' ' -f 1)"
check "Icon= is the icon's name" test -f "$root/usr/share/icons/hicolor/scalable/apps/$(field Icon).svg"
check "metainfo validates" appstreamcli validate --no-net "$root/$metainfo"
check "metainfo launches the desktop entry" \
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$root/$metainfo"
check "metainfo, desktop entry and icon agree" appstreamcli validate-tree --no-net "$root"

# The unpacked program, started away from the source tree, with no display for --version.
# (The single quotes are meant: sh -c gets the program and the version as $1 and $2.)
version=$(dpkg-deb -f "$deb" Version)
# shellcheck disable=SC2016
check "talvera --version says $version" sh -c \
    'cd / && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" --version | head -n 1 | grep -qx "TALVERA $2"' \
    sh "$root/usr/bin/talvera" "$version"
# shellcheck disable=SC2016
check "talvera --self-test" sh -c 'cd / && QT_QPA_PLATFORM=offscreen "$1" --self-test' \
    sh "$root/usr/bin/talvera"

if [ "$failures" -ne 0 ]; then
    echo "test-package: $failures check(s) failed"
    exit 1
fi
echo "test-package: every check passed"
