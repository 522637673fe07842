#!/usr/bin/python3
"""Writes a benchmark tree: many files of mixed sizes in nested folders.

    make_tree.py --size-mib N --files N DEST

Sizes follow a fixed mix (mostly small files, some of a few MiB, a few large
ones) scaled so that the tree holds about the requested amount of data. Content
is pseudo-random and not compressible; the same arguments give the same tree.
"""

import argparse
import os
import random
import sys


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--size-mib", type=int, required=True)
    parser.add_argument("--files", type=int, required=True)
    parser.add_argument("dest")
    args = parser.parse_args()

    rng = random.Random(1234)
    # Relative weights: 70 % of the files are small, they hold little of the data.
    weights = []
    for _ in range(args.files):
        roll = rng.random()
        if roll < 0.70:
            weights.append(rng.uniform(1, 64))          # KiB-ish
        elif roll < 0.97:
            weights.append(rng.uniform(256, 4096))
        else:
            weights.append(rng.uniform(20000, 120000))
    scale = args.size_mib * 1024 * 1024 / sum(weights)
    sizes = [max(0, int(w * scale)) for w in weights]

    block = rng.randbytes(8 << 20)
    os.makedirs(args.dest, exist_ok=False)
    written = 0
    for i, size in enumerate(sizes):
        folder = os.path.join(args.dest, "set %02d" % (i % 16), "group %03d" % (i % 250), "part %d" % (i % 3))
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "file %06d.bin" % i), "wb") as f:
            start = rng.randrange(0, len(block))
            left = size
            while left > 0:
                chunk = block[start:start + left]
                f.write(chunk)
                left -= len(chunk)
                start = 0
        written += size
        if i % 2000 == 0:
            print("\r  %d files, %d MiB" % (i, written >> 20), end="", file=sys.stderr, flush=True)
    print("\r  %d files, %d MiB" % (len(sizes), written >> 20), file=sys.stderr)


if __name__ == "__main__":
    main()
