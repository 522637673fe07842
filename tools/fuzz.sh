#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each one for a bounded
# time on its seed corpus (tests/<part>/corpus) and its saved regressions
# (tests/<part>/regressions). Exits non-zero when any target finds a crash, a leak or
# undefined behaviour; the input that did it is saved under build/fuzz/artifacts/<part>/.
#
# Usage: tools/fuzz.sh [seconds-per-target]   (default: $QUILLON_FUZZ_SECONDS, else 60)
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")
seconds=${1:-${QUILLON_FUZZ_SECONDS:-60}}
build=$root/build/fuzz

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUILLON_FUZZ=ON -DQUILLON_PARTS=xml -DQUILLON_SANITIZE=OFF >"$build.configure.log" 2>&1 || {
    cat "$build.configure.log"
    exit 1
}
# Every executable target named <part>_fuzz.
targets=$(ninja -C "$build" -t targets all | sed -n 's/^\([A-Za-z0-9_]*_fuzz\): phony$/\1/p' |
    grep -v '^cmake_' | sort -u || true)
if [ -z "$targets" ]; then
    echo "fuzz.sh: no fuzz targets configured" >&2
    exit 1
fi
# shellcheck disable=SC2086
cmake --build "$build" --target $targets

failed=0
for target in $targets; do
    part=${target%_fuzz}
    binary=$(find "$build" -name "$target" -type f -perm -u+x | head -n 1)
    work=$build/corpus/$part
    artifacts=$build/artifacts/$part
    mkdir -p "$work" "$artifacts"
    inputs=("$work")
    for dir in "$root/tests/$part/corpus" "$root/tests/$part/regressions"; do
        [ -d "$dir" ] && inputs+=("$dir")
    done
    echo "== $target for ${seconds}s (new inputs in $work)"
    if ! "$binary" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 -max_len=16384 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" "${inputs[@]}"; then
        echo "fuzz.sh: $target failed; the input is in $artifacts/" >&2
        ls -l "$artifacts" >&2 || true
        failed=1
    fi
done
if [ "$failed" -ne 0 ]; then
    echo "fuzz.sh: FAILED (copy the input into tests/<part>/regressions/ and fix the cause)" >&2
    exit 1
fi
echo "fuzz.sh: all fuzz targets ran clean"
