#!/bin/sh
# clang-tidy over the program's and the tests' sources, with the compile commands of a configured build folder.
set -eu
build="${1:-build}"
cd "$(dirname "$0")/.."
files=$(git ls-files 'src/*.cpp' 'tests/*.cpp')
# shellcheck disable=SC2086
clang-tidy -p "$build" --quiet $files
