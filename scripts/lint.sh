#!/bin/sh
# clang-format and clang-tidy over every C++ file that the project compiles: the program, its
# tests, fuzz targets, benchmarks and tools. Needs a configured build folder for its compile
# commands. Fails on the first difference or finding, so that `make test` keeps both clean.
set -eu
build="${1:-build}"
jobs="${JOBS:-$(nproc)}"
cd "$(dirname "$0")/.."

if [ ! -f "$build/compile_commands.json" ]; then
    echo "lint: $build/compile_commands.json is missing; configure the build first" >&2
    exit 2
fi

echo "lint: clang-format"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

# The tracked sources that the build compiles; generated files (moc, resources) are left out.
sources=$(mktemp)
trap 'rm -f "$sources"' EXIT
python3 - "$build/compile_commands.json" "$(pwd)" >"$sources" <<'EOF'
import json, os, subprocess, sys
entries = json.load(open(sys.argv[1]))
root = sys.argv[2]
tracked = set(subprocess.run(["git", "ls-files", "*.cpp"], capture_output=True, text=True,
                             check=True).stdout.split())
compiled = set()
for entry in entries:
    path = os.path.relpath(os.path.join(entry["directory"], entry["file"]), root)
    if path in tracked:
        compiled.add(path)
missing = sorted(tracked - compiled)
for path in missing:
    print(f"lint: {path} is tracked but not compiled by this build", file=sys.stderr)
print("\n".join(sorted(compiled)))
EOF

echo "lint: clang-tidy over $(wc -l <"$sources") files, $jobs at a time"
# The project's own headers, wherever they live; not the system's, which may have the same folder
# names (boost/math/tools).
headers="^$(pwd)/(src|tests|bench|fuzz|tools)/"
# clang-tidy counts the warnings of the system headers that it then leaves out; only the findings
# are worth reading.
log=$(mktemp)
trap 'rm -f "$sources" "$log"' EXIT
status=0
# GCC's own warning options in the compile commands are no business of clang's.
xargs -P "$jobs" -n 1 clang-tidy -p "$build" --quiet --header-filter="$headers" \
    --extra-arg=-Wno-unknown-warning-option <"$sources" \
    >"$log" 2>&1 || status=$?
grep -v -E '^[0-9]+ warnings? generated\.$' "$log" || true
if [ "$status" -ne 0 ]; then
    echo "lint: clang-tidy found something (status $status)" >&2
    exit 1
fi
echo "lint: clean"
