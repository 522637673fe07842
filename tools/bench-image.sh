#!/usr/bin/env bash
# Benchmark of the image builder: builds one multi-gigabyte tree of many files,
# then an image of it with quillon-mkiso, `genisoimage -J` and
# `xorriso -as mkisofs -J`, and prints the wall time and peak memory of each and
# the ratios to ours. A benchmark, not a test: it prints figures and judges nothing.
#
#   tools/bench-image.sh [--size-gib N] [--files N] [--runs N] [--keep]
#
# Everything lives under build/bench-image (its own Release tree without
# sanitizers); the tree and the images are deleted at the end unless --keep.
set -euo pipefail

size_gib=4
files=20000
runs=2
keep=0
while [ $# -gt 0 ]; do
    case "$1" in
        --size-gib) size_gib=$2; shift 2 ;;
        --files) files=$2; shift 2 ;;
        --runs) runs=$2; shift 2 ;;
        --keep) keep=1; shift ;;
        -h|--help) sed -n '2,11p' "$0"; exit 0 ;;
        *) echo "bench-image: unknown argument $1" >&2; exit 2 ;;
    esac
done

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")
work=$root/build/bench-image
tree=$work/tree
out=$work/images
reports=$work/reports

for tool in genisoimage xorriso /usr/bin/time /usr/bin/python3 cmake ninja; do
    command -v "$tool" >/dev/null || { echo "bench-image: $tool is missing" >&2; exit 1; }
done

echo "== configuring and building $work (Release, no sanitizers)"
cmake -S "$root" -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLON_SANITIZE=OFF \
      -DQUILLON_TESTS=OFF -DQUILLON_PARTS="xml;discservice" >/dev/null
ninja -C "$work" quillon-mkiso >/dev/null
mkiso=$work/tools/mkimage/quillon-mkiso

size_mib=$((size_gib * 1024))
# The tree and one image at a time, with room to spare.
need_kib=$(( (2 * size_mib + 2048) * 1024 ))
mkdir -p "$work"
avail_kib=$(df -Pk "$work" | awk 'NR==2 {print $4}')
if [ "$avail_kib" -lt "$need_kib" ]; then
    echo "bench-image: $((avail_kib / 1024)) MiB free under $work, $((need_kib / 1024)) MiB needed;" \
         "use a smaller --size-gib" >&2
    exit 1
fi

cleanup() {
    if [ "$keep" = 0 ]; then rm -rf "$tree" "$out"; fi
}
trap cleanup EXIT

rm -rf "$tree" "$out" "$reports"
mkdir -p "$out" "$reports"
echo "== writing the tree: about $size_gib GiB in $files files"
/usr/bin/python3 "$here/imagebench/make_tree.py" --size-mib "$size_mib" --files "$files" "$tree"
tree_bytes=$(du -sb "$tree" | cut -f1)
# Read the tree once so that every tool starts with the same cache.
find "$tree" -type f -print0 | xargs -0 cat >/dev/null

names=(quillon-mkiso "genisoimage -J" "xorriso -as mkisofs -J")
commands=(
    "$mkiso -q -V BENCH $tree $out/image.iso"
    "genisoimage -quiet -J -V BENCH -o $out/image.iso $tree"
    "xorriso -as mkisofs -quiet -J -V BENCH -o $out/image.iso $tree"
)

seconds_of() {
    /usr/bin/python3 - "$1" <<'PY'
import re, sys
m = re.search(r"Elapsed \(wall clock\) time \(h:mm:ss or m:ss\): (?:(\d+):)?(\d+):([\d.]+)", open(sys.argv[1]).read())
print(int(m.group(1) or 0) * 3600 + int(m.group(2)) * 60 + float(m.group(3)))
PY
}

# One untimed image first: whoever writes the first image after the tree pays for
# the page cache settling, which would otherwise decide the first timed run.
sync
"$mkiso" -q "$tree" "$out/image.iso"
rm -f "$out/image.iso"

declare -A best best_size
# Runs go round the tools, so that no tool always comes first after the tree was written.
for run in $(seq 1 "$runs"); do
    for i in "${!names[@]}"; do
        report=$reports/$i-$run.txt
        rm -f "$out/image.iso"
        # Start every run with no dirty pages of an earlier image waiting to be written.
        sync
        /usr/bin/time -v -o "$report" ${commands[$i]} || true
        size=$(stat -c %s "$out/image.iso" 2>/dev/null || echo 0)
        rm -f "$out/image.iso"
        echo "== run $run, ${names[$i]}: $(seconds_of "$report") s wall," \
             "$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$report") KiB peak"
        # The best run counts: the others only repeat it with more noise.
        if [ -z "${best[$i]:-}" ] ||
           /usr/bin/python3 -c "import sys; sys.exit(0 if float(sys.argv[1]) < float(sys.argv[2]) else 1)" \
               "$(seconds_of "$report")" "$(seconds_of "${best[$i]}")"; then
            best[$i]=$report
            best_size[$i]=$size
        fi
    done
done

args=()
for i in "${!names[@]}"; do
    args+=("${names[$i]}=${best[$i]},${best_size[$i]}")
done

echo
echo "Tree: $files files, $((tree_bytes / 1048576)) MiB; best of $runs runs each."
/usr/bin/python3 "$here/imagebench/report.py" "${args[@]}"
