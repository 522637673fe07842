#!/usr/bin/python3
"""Builds an image of the readers' test tree through the stand-in's COM classes under
Wine (file streams in, the image stream out in chunks) and reads it back with the
independent readers of readers_check.py.

    com_readers_check.py --tests BIN/discservice_com_tests.exe --wine-exec tools/wine-exec --work SCRATCH
"""

import argparse
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import readers_check  # noqa: E402


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tests", required=True)
    parser.add_argument("--wine-exec", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()

    os.makedirs(args.work, exist_ok=True)
    source = os.path.join(args.work, "tree")
    image = os.path.join(args.work, "com.iso")
    files = readers_check.make_tree(source)
    if os.path.exists(image):
        os.remove(image)
    env = dict(os.environ, QUILLON_COM_SOURCE=windows_path(source), QUILLON_COM_IMAGE=windows_path(image))
    r = subprocess.run([args.wine_exec, args.tests, "--gtest_filter=StandInImageFile.*"], env=env,
                       capture_output=True)
    output = r.stdout.decode(errors="replace")
    if not readers_check.check(r.returncode == 0 and "[  PASSED  ] 1 test" in output,
                               "the COM image was not written:\n" + output[-3000:]):
        return 1
    readers_check.check(os.path.getsize(image) % 2048 == 0, "image size is not whole blocks")
    readers_check.check_isoinfo(image, source, files, "Readers_Test")
    readers_check.check_isovfy(image)
    readers_check.check_xorriso(image, source, args.work)
    readers_check.check_7z(image, source, args.work)
    readers_check.check_pycdlib(image, source, files)
    os.remove(image)
    if readers_check.FAILURES:
        print("%d check(s) failed" % len(readers_check.FAILURES))
        return 1
    print("the COM image reads cleanly in every reader")
    return 0


if __name__ == "__main__":
    sys.exit(main())
