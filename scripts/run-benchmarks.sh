#!/bin/sh
# Runs every benchmark of a build folder.
set -eu
build="${1:-build}"
for bench in "$build"/bench_*; do
    echo "== $(basename "$bench")"
    "$bench"
done
