#!/usr/bin/env bash
# Builds the XML benchmark (Release, no sanitizers) in build/bench-xml and runs it:
# MB/s for loading and saving a wide and a deep generated document with the program's
# XML library and with pugixml. Extra arguments go to xmlbench
# (--wide ENTRIES, --depth LEVELS, --runs N).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")
build=$root/build/bench-xml

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLON_SANITIZE=OFF \
    -DQUILLON_BENCH=ON -DQUILLON_PARTS=xml -DQUILLON_TESTS=OFF >"$build.configure.log" 2>&1 || {
    cat "$build.configure.log"
    exit 1
}
cmake --build "$build" --target xmlbench
"$build/tools/xmlbench/xmlbench" --dir "$build/data" "$@"
