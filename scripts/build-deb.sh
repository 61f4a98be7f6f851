#!/bin/sh
# Builds the Debian package from a copy of the sources (what git tracks, and new files it does not
# ignore), so that no build folder or local setting of this checkout leaks in, and puts the .deb,
# .buildinfo and .changes in dist/.
#   build-deb.sh [JOBS]
set -eu
cd "$(dirname "$0")/.."
jobs="${1:-2}"
work=build-deb
version=$(dpkg-parsechangelog -S Version)

rm -rf "$work"
mkdir -p "$work/talvera-$version" dist
git -c core.quotepath=off ls-files --cached --others --exclude-standard |
    while IFS= read -r file; do
        [ -e "$file" ] && printf '%s\n' "$file"
    done |
    tar -cf - -T - | tar -xf - -C "$work/talvera-$version"

# Nothing of the developer's compiler setup (ccache as a launcher, another generator) may reach
# the package build: debian/rules drops it too, this keeps dpkg-buildpackage itself clean.
(cd "$work/talvera-$version" &&
    env -u CMAKE_C_COMPILER_LAUNCHER -u CMAKE_CXX_COMPILER_LAUNCHER -u CMAKE_GENERATOR \
        DEB_BUILD_OPTIONS="parallel=$jobs" dpkg-buildpackage -us -uc -b)

rm -f dist/talvera_*
mv "$work"/talvera_"$version"_* dist/
rm -rf "$work"
ls -l dist/
