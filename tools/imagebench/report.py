#!/usr/bin/python3
"""Prints the benchmark table from /usr/bin/time -v reports.

    report.py NAME=REPORT_FILE[,IMAGE_BYTES] ...

The first entry is the reference (our tool); ratios are each tool's figure
divided by the reference's, so a time ratio above 1 means slower than ours.
"""

import re
import sys


def parse(path):
    text = open(path).read()
    m = re.search(r"Elapsed \(wall clock\) time \(h:mm:ss or m:ss\): (?:(\d+):)?(\d+):([\d.]+)", text)
    hours = int(m.group(1) or 0)
    seconds = hours * 3600 + int(m.group(2)) * 60 + float(m.group(3))
    rss = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", text).group(1))
    status = int(re.search(r"Exit status: (\d+)", text).group(1))
    return seconds, rss, status


def main():
    rows = []
    for arg in sys.argv[1:]:
        name, rest = arg.split("=", 1)
        path, _, size = rest.partition(",")
        seconds, rss, status = parse(path)
        rows.append((name, seconds, rss, status, int(size) if size else 0))
    ref = rows[0]
    print("%-26s %10s %12s %10s %10s %12s" % ("tool", "wall s", "peak RSS MiB", "time/ours", "RSS/ours", "image MiB"))
    for name, seconds, rss, status, size in rows:
        note = "" if status == 0 else "  (exit status %d)" % status
        print("%-26s %10.2f %12.1f %10.2f %10.2f %12.1f%s" % (
            name, seconds, rss / 1024, seconds / ref[1] if ref[1] else 0, rss / ref[2] if ref[2] else 0,
            size / 1048576, note))
    others = [r for r in rows[1:] if r[3] == 0]
    if others:
        fastest = min(others, key=lambda r: r[1])
        print("\nours vs the fastest other (%s): %.2f x its time, %.2f x its peak memory"
              % (fastest[0], ref[1] / fastest[1], ref[2] / fastest[2]))


if __name__ == "__main__":
    main()
