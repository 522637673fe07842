#!/usr/bin/python3
"""Builds images with quillon-mkiso and reads them back with independent readers.

The test tree has nested, empty and deep folders, empty files, non-ASCII and
64-character names, names that collide once mapped to ISO 9660, long Joliet paths
and a few thousand files. Each image must be read without complaint by isoinfo
(plain and -J), isovfy, xorriso -indev, 7z and pycdlib, and every file extracted
through Joliet must equal its source. Failures of the tool must leave no output.

Run with Debian's /usr/bin/python3 (pycdlib belongs to it):
    readers_check.py --mkiso PATH/quillon-mkiso --work SCRATCH_FOLDER
"""

import argparse
import filecmp
import io
import os
import random
import shutil
import subprocess
import sys

import pycdlib

FAILURES = []


def check(condition, message):
    if not condition:
        FAILURES.append(message)
        print("FAIL: " + message, flush=True)
    return condition


def run(args, **kwargs):
    env = dict(os.environ, LANG="C.UTF-8", LC_ALL="C.UTF-8")
    return subprocess.run(args, capture_output=True, env=env, **kwargs)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def make_tree(root):
    """Creates the test tree; returns the relative paths of all files."""
    rng = random.Random(20240309)
    shutil.rmtree(root, ignore_errors=True)
    os.makedirs(root)

    def content(size):
        return rng.randbytes(size)

    # Nested folders, empty folders and empty files.
    write(os.path.join(root, "top.txt"), b"top level\n")
    write(os.path.join(root, "nested", "one", "two", "three.txt"), content(3000))
    os.makedirs(os.path.join(root, "nested", "empty folder"))
    os.makedirs(os.path.join(root, "empty"))
    write(os.path.join(root, "empty file"), b"")
    write(os.path.join(root, "nested", "one", "also empty"), b"")
    # Sizes around block boundaries.
    for size in (1, 2047, 2048, 2049, 4096, 65536 + 7):
        write(os.path.join(root, "sizes", "size %d.bin" % size), content(size))
    # Names outside ASCII and names at the Joliet limit.
    write(os.path.join(root, "Ünïcödé", "日本語のファイル.txt"), "日本語\n".encode())
    write(os.path.join(root, "Ünïcödé", "Ελληνικά και кириллица.txt"), content(100))
    write(os.path.join(root, "Ünïcödé", "smile ☺ €.bin"), content(50))
    write(os.path.join(root, "N" * 60 + ".txt"), b"sixty-four characters\n")
    write(os.path.join(root, "D" * 64, "inside.txt"), b"inside a 64-character folder\n")
    write(os.path.join(root, "allowed & odd [chars] 'quote' #hash %percent,comma.txt"), b"odd\n")
    # Names that are equal once mapped to ISO 9660 d-characters.
    for name in ("report.txt", "report+.txt", "report_.txt", "report .txt", "report-.txt",
                 "Report~.txt", "report.txt.bak", "report.text", "report"):
        write(os.path.join(root, "collide", name), name.encode())
    os.makedirs(os.path.join(root, "collide", "report_"))
    # Deeper than ISO 9660's eight levels.
    deep = os.path.join(root, "deep")
    for level in range(1, 13):
        deep = os.path.join(deep, "level %d" % level)
        write(os.path.join(deep, "file %d.txt" % level), b"level %d\n" % level)
    # A Joliet path far beyond 255 characters.
    long_path = os.path.join(root, "long")
    for i in range(8):
        long_path = os.path.join(long_path, ("folder %d " % i) + "x" * 50)
    write(os.path.join(long_path, "end of a long path.txt"), b"far away\n")
    # A few thousand files.
    for i in range(3000):
        size = rng.choice((0, 10, 700, 2048, 5000, 20000))
        write(os.path.join(root, "many", "group %02d" % (i % 40), "file %04d.dat" % i), content(size))

    files = []
    for folder, _, names in os.walk(root):
        for name in names:
            files.append(os.path.relpath(os.path.join(folder, name), root))
    return sorted(files)


def all_entries(root):
    entries = set()
    for folder, dirs, names in os.walk(root):
        for name in dirs + names:
            entries.add(os.path.relpath(os.path.join(folder, name), root))
    return entries


def compare_trees(source, extracted, reader):
    want = all_entries(source)
    got = all_entries(extracted)
    check(want == got, "%s: extracted entries differ: missing %s, extra %s"
          % (reader, sorted(want - got)[:5], sorted(got - want)[:5]))
    differing = []
    for rel in sorted(want & got):
        a = os.path.join(source, rel)
        if os.path.isfile(a) and not filecmp.cmp(a, os.path.join(extracted, rel), shallow=False):
            differing.append(rel)
    check(not differing, "%s: %d files differ from their sources, e.g. %s"
          % (reader, len(differing), differing[:3]))


def isoinfo_name(path):
    """isoinfo prints Joliet names in ISO 8859-1, "_" for what that cannot hold."""
    return "".join(c if ord(c) <= 0xFF else "_" for c in path)


def check_isoinfo(image, source, files, volume):
    r = run(["isoinfo", "-d", "-i", image])
    text = r.stdout.decode()
    check(r.returncode == 0 and not r.stderr, "isoinfo -d complained: %s" % r.stderr.decode())
    check("Volume id: " + volume.upper() in text, "isoinfo -d: volume id missing:\n" + text)
    check("Joliet with UCS level 3 found" in text, "isoinfo -d: no Joliet:\n" + text)

    for mode in (["-l"], ["-J", "-l"]):
        r = run(["isoinfo"] + mode + ["-i", image])
        check(r.returncode == 0 and not r.stderr, "isoinfo %s complained: %s" % (" ".join(mode), r.stderr.decode()))

    r = run(["isoinfo", "-J", "-f", "-i", image])
    check(r.returncode == 0 and not r.stderr, "isoinfo -J -f complained: %s" % r.stderr.decode())
    listed = {line[1:] for line in r.stdout.decode("latin-1").splitlines() if line}
    want = {isoinfo_name(e) for e in all_entries(source)}
    check(listed == want, "isoinfo -J -f: listing differs: missing %s, extra %s"
          % (sorted(want - listed)[:5], sorted(listed - want)[:5]))

    rng = random.Random(7)
    sample = [f for f in files if not f.startswith("many/")] + rng.sample(files, 40)
    for rel in sample:
        if isoinfo_name(rel) != rel and not all(ord(c) <= 0xFF for c in rel):
            continue  # isoinfo cannot name it
        r = run(["isoinfo", "-J", "-i", image, "-x", ("/" + rel).encode("latin-1")])
        with open(os.path.join(source, rel), "rb") as f:
            want_bytes = f.read()
        check(r.returncode == 0 and r.stdout == want_bytes, "isoinfo -J -x %s: bytes differ" % rel)

    # The primary tree through plain isoinfo: valid level-2 names, same data.
    r = run(["isoinfo", "-f", "-i", image])
    iso_paths = [l for l in r.stdout.decode("latin-1").splitlines() if l]
    bad = [p for p in iso_paths if not all(
        all(c.isupper() or c.isdigit() or c in "_.;" for c in part) for part in p[1:].split("/"))]
    check(not bad, "isoinfo -f: names outside d-characters: %s" % bad[:5])
    check(any(p == "/TOP.TXT;1" for p in iso_paths), "isoinfo -f: /TOP.TXT;1 missing")
    r = run(["isoinfo", "-i", image, "-x", "/NESTED/ONE/TWO/THREE.TXT;1"])
    with open(os.path.join(source, "nested/one/two/three.txt"), "rb") as f:
        check(r.stdout == f.read(), "isoinfo -x through the primary tree: bytes differ")


def check_isovfy(image):
    r = run(["isovfy", image])
    text = r.stdout.decode(errors="replace") + r.stderr.decode(errors="replace")
    check(r.returncode == 0 and "No errors found" in text, "isovfy complained:\n" + text[-2000:])


def check_xorriso(image, source, scratch):
    out = os.path.join(scratch, "xorriso-out")
    shutil.rmtree(out, ignore_errors=True)
    r = run(["xorriso", "-abort_on", "FAILURE", "-return_with", "WARNING", "32",
             "-indev", image, "-osirrox", "on", "-extract", "/", out])
    text = r.stderr.decode(errors="replace")
    complaints = [l for l in text.splitlines()
                  if any(w in l for w in (": WARNING :", ": SORRY :", ": FAILURE :", ": MISHAP :", ": FATAL :"))]
    check(r.returncode == 0 and not complaints, "xorriso complained (rc %d):\n%s" % (r.returncode, "\n".join(complaints) or text[-2000:]))
    if os.path.isdir(out):
        # xorriso extracts read-only; make the copy removable.
        for folder, dirs, _ in os.walk(out):
            os.chmod(folder, 0o755)
        compare_trees(source, out, "xorriso")
        shutil.rmtree(out, ignore_errors=True)


def check_7z(image, source, scratch):
    out = os.path.join(scratch, "7z-out")
    shutil.rmtree(out, ignore_errors=True)
    r = run(["7z", "x", "-y", "-o" + out, image])
    text = r.stdout.decode(errors="replace")
    check(r.returncode == 0 and "Everything is Ok" in text and "WARNING" not in text.upper().replace("WARNINGS: 0", ""),
          "7z complained (rc %d):\n%s%s" % (r.returncode, text[-2000:], r.stderr.decode(errors="replace")))
    compare_trees(source, out, "7z")
    shutil.rmtree(out, ignore_errors=True)


def check_pycdlib(image, source, files, top=None):
    """Reads every Joliet file with pycdlib; with top, the source tree sits below that folder."""
    iso = pycdlib.PyCdlib()
    try:
        iso.open(image)
    except Exception as e:  # pycdlib raises its own exceptions for invalid images
        check(False, "pycdlib cannot open the image: %r" % e)
        return
    try:
        seen = set()
        for folder, _, names in iso.walk(joliet_path="/"):
            for name in names:
                path = folder.rstrip("/") + "/" + name
                rel = path[1:]
                if top is not None:
                    check(rel.startswith(top + "/"), "pycdlib: %s is outside %s" % (rel, top))
                    rel = rel[len(top) + 1:]
                seen.add(rel)
                data = io.BytesIO()
                iso.get_file_from_iso_fp(data, joliet_path=path)
                with open(os.path.join(source, rel), "rb") as f:
                    check(data.getvalue() == f.read(), "pycdlib: %s differs from its source" % rel)
        check(seen == set(files), "pycdlib: Joliet files differ: missing %s, extra %s"
              % (sorted(set(files) - seen)[:5], sorted(seen - set(files))[:5]))
        iso_files = 0
        for folder, dirs, names in iso.walk(iso_path="/"):
            check(folder.count("/") <= 7 or folder == "/", "pycdlib: ISO 9660 folder too deep: " + folder)
            iso_files += len(names)
        # Items beyond eight levels or 255 characters are in Joliet only.
        check(0 < iso_files <= len(files), "pycdlib: ISO 9660 tree holds %d files" % iso_files)
    except Exception as e:
        check(False, "pycdlib failed while reading: %r" % e)
    finally:
        iso.close()


def check_readers(mkiso, scratch):
    source = os.path.join(scratch, "tree")
    files = make_tree(source)
    image = os.path.join(scratch, "tree.iso")
    r = run([mkiso, "-V", "Readers_Test", "--progress", source, image])
    if not check(r.returncode == 0, "quillon-mkiso failed: %s" % r.stderr.decode(errors="replace")):
        return files
    check(os.path.getsize(image) % 2048 == 0, "image size is not whole blocks")
    check_isoinfo(image, source, files, "Readers_Test")
    check_isovfy(image)
    check_xorriso(image, source, scratch)
    check_7z(image, source, scratch)
    check_pycdlib(image, source, files)

    # Staged copies make the same image.
    staged = os.path.join(scratch, "staged.iso")
    work = os.path.join(scratch, "stage-work")
    os.makedirs(work, exist_ok=True)
    r = run([mkiso, "-q", "-V", "Readers_Test", "--date", "1700000000", "--stage", "--working-dir", work, source, staged])
    check(r.returncode == 0, "quillon-mkiso --stage failed: %s" % r.stderr.decode(errors="replace"))
    r2 = run([mkiso, "-q", "-V", "Readers_Test", "--date", "1700000000", source, image])
    check(r2.returncode == 0 and filecmp.cmp(image, staged, shallow=False), "staged image differs from the direct one")
    check(os.listdir(work) == [], "staged copies left behind: %s" % os.listdir(work)[:5])
    for path in (image, staged):
        os.remove(path)
    return files


def xml_attr(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;").replace('"', "&quot;"))


def write_layout(source, path, top):
    """A layout file of "i" elements that puts the source tree below a folder named top."""
    lines = ['<?xml version="1.0" encoding="UTF-8" standalone="yes" ?>', "<root>",
             '<i t="1" n="%s">' % xml_attr(top)]

    def folder(dir_path):
        for name in sorted(os.listdir(dir_path)):
            full = os.path.join(dir_path, name)
            if os.path.isdir(full):
                lines.append('<i t="1" n="%s">' % xml_attr(name))
                folder(full)
                lines.append("</i>")
            else:
                lines.append('<i t="0" n="%s" a="%s" />' % (xml_attr(name), xml_attr(os.path.abspath(full))))
    folder(source)
    lines += ["</i>", "</root>", ""]
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


def check_layout(mkiso, scratch, files):
    """The same tree through a layout file: names from n, data from a."""
    source = os.path.join(scratch, "tree")
    layout = os.path.join(scratch, "layout.xml")
    image = os.path.join(scratch, "layout.iso")
    write_layout(source, layout, "From a layout & more")
    r = run([mkiso, "-q", "-V", "Layout", layout, image])
    if not check(r.returncode == 0, "quillon-mkiso with a layout failed: %s" % r.stderr.decode(errors="replace")):
        return
    out = os.path.join(scratch, "layout-out")
    shutil.rmtree(out, ignore_errors=True)
    r = run(["7z", "x", "-y", "-o" + out, image])
    check(r.returncode == 0, "7z could not extract the layout image")
    check(os.listdir(out) == ["From a layout & more"], "layout image top level: %s" % os.listdir(out))
    compare_trees(source, os.path.join(out, "From a layout & more"), "layout through 7z")
    check_pycdlib(image, source, files, top="From a layout & more")
    shutil.rmtree(out, ignore_errors=True)
    os.remove(image)

    broken = os.path.join(scratch, "broken.xml")
    with open(broken, "w") as f:
        f.write('<?xml version="1.0"?>\n<root><i t="1" n="x"><i t="0" n="y" a="%s"/></root>\n' % xml_attr(layout))
    r = run([mkiso, broken, image])
    check(r.returncode == 1 and b"end tag" in r.stderr and not os.path.exists(image),
          "a layout without an end tag: status %d, %s" % (r.returncode, r.stderr))


def expect_failure(mkiso, args, expect, what, output, folder):
    """The tool must fail with status 1, name the problem and leave no output or temporary file."""
    r = run([mkiso] + args)
    err = r.stderr.decode(errors="replace")
    ok = check(r.returncode == 1 and all(e in err for e in expect),
               "%s: expected status 1 and %s, got %d: %s" % (what, expect, r.returncode, err))
    if not check(not os.path.exists(output), "%s: output left behind" % what):
        os.remove(output)  # so the next case starts clean
    leftovers = [f for f in os.listdir(folder) if ".part" in f]
    check(not leftovers, "%s: temporary files left behind: %s" % (what, leftovers))
    return ok


def check_layout_files(mkiso, scratch):
    """Only layout files are read as layouts: anything else fails and writes nothing."""
    base = os.path.join(scratch, "layouts")
    shutil.rmtree(base, ignore_errors=True)
    os.makedirs(base)
    out = os.path.join(base, "out.iso")
    source = os.path.join(base, "source.txt")
    write(source, b"source\n")
    rng = random.Random(99)
    junk = [
        ("an empty file", b"", "it is empty"),
        ("blanks", b" \r\n\t\n", "it is empty"),
        ("plain text", b"just some words, not a layout\n", "does not start with an XML tag"),
        ("random bytes", b"\x01" + rng.randbytes(4000), "not UTF-8 text"),
        ("random bytes after a tag", b"<root>" + rng.randbytes(4000), "not UTF-8 text"),
        ("NUL bytes", b"<root/>\x00\x00<i t=\"0\"/>", "NUL bytes"),
        ("a declaration alone", b'<?xml version="1.0" encoding="UTF-8"?>\n', "no root element"),
        ("a comment alone", b"<!-- nothing here -->\n", "no root element"),
        ("a broken tag", b"<root", "no root element"),
        ("text before the root", b'text <root><i t="0" n="a" a="%s"/></root>' % source.encode(),
         "does not start with an XML tag"),
        ("UTF-16", '<root/>'.encode("utf-16"), "not UTF-8 text"),
    ]
    for what, data, expect in junk:
        path = os.path.join(base, "junk.xml")
        write(path, data)
        expect_failure(mkiso, [path, out], [path, expect], "layout " + what, out, base)
    expect_failure(mkiso, ["/proc/self/mem", out], ["/proc/self/mem", "cannot be read"], "an unreadable layout",
                   out, base)
    expect_failure(mkiso, [os.path.join(base, "missing.xml"), out], ["missing.xml", "no such folder or layout file"],
                   "a missing layout", out, base)

    # Valid layouts: without a declaration, with a byte-order mark, empty.
    for what, data in (("no declaration", b'<root><i t="0" n="a.txt" a="%s"/></root>' % source.encode()),
                       ("byte-order mark", b'\xef\xbb\xbf<?xml version="1.0"?>\n<root><i t="0" n="a.txt" a="%s"/></root>'
                        % source.encode()),
                       ("empty root", b"<root/>")):
        path = os.path.join(base, "good.xml")
        write(path, data)
        r = run([mkiso, "-q", path, out])
        check(r.returncode == 0 and os.path.isfile(out), "layout with %s: status %d, %s" % (what, r.returncode, r.stderr))
        if os.path.exists(out):
            os.remove(out)

    # A name is one item of the image: separators do not reach into other folders.
    names = [
        ("backslash", '<i t="1" n="Docs"/><i t="0" n="Docs\\x.txt" a="%s"/>', "Docs\\x.txt"),
        ("slash", '<i t="0" n="/y.txt" a="%s"/>', "/y.txt"),
        ("folder with a slash", '<i t="1" n="a/b"><i t="0" n="x.txt" a="%s"/></i>', "a/b"),
        ("nested backslash", '<i t="1" n="Docs"><i t="0" n="..\\z.txt" a="%s"/></i>', "..\\z.txt"),
        ("trailing dot", '<i t="0" n="name." a="%s"/>', "name."),
        ("empty name", '<i t="0" n="" a="%s"/>', 'name ""'),
    ]
    for what, items, named in names:
        path = os.path.join(base, "names.xml")
        body = items.replace("%s", xml_attr(source))
        with open(path, "w", encoding="utf-8") as f:
            f.write("<root>%s</root>\n" % body)
        expect_failure(mkiso, [path, out], ["IMAPI_E_INVALID_PARAM", named], "layout name " + what, out, base)


def check_output_is_input(mkiso, scratch):
    """The output is never one of the inputs: the layout, a source file or the folder's content."""
    base = os.path.join(scratch, "self")
    shutil.rmtree(base, ignore_errors=True)
    tree = os.path.join(base, "t5")
    notes = os.path.join(tree, "notes.txt")
    write(notes, b"my notes\n")
    write(os.path.join(tree, "sub", "other.txt"), b"other\n")
    layout = os.path.join(base, "lay.xml")
    layout_text = '<root><i t="0" n="notes.txt" a="%s"/></root>\n' % xml_attr(notes)
    with open(layout, "w") as f:
        f.write(layout_text)
    os.link(notes, os.path.join(base, "hard link.txt"))

    cases = [
        ("the layout file", [layout, layout], layout),
        ("a file of the folder", [tree, notes], notes),
        ("a file of the folder, staged", ["--stage", "--working-dir", base, tree, notes], notes),
        ("a file deeper in the folder", [tree, os.path.join(tree, "sub", "other.txt")], "other.txt"),
        ("a source of the layout", [layout, notes], notes),
        ("a hard link to a source", [layout, os.path.join(base, "hard link.txt")], notes),
    ]
    for what, args, named in cases:
        before = {p: open(p, "rb").read() for p in (notes, layout, os.path.join(tree, "sub", "other.txt"))}
        r = run([mkiso, "-q"] + args)
        err = r.stderr.decode(errors="replace")
        check(r.returncode == 1 and "output" in err and named in err,
              "%s as output: expected status 1 naming %s, got %d: %s" % (what, named, r.returncode, err))
        after = {p: open(p, "rb").read() for p in before}
        check(before == after, "%s as output: an input was changed" % what)
        leftovers = [f for root, _, names in os.walk(base) for f in names if ".part" in f or "quillon-stage" in root]
        check(not leftovers, "%s as output: left behind %s" % (what, leftovers))


def check_failures(mkiso, scratch):
    """Failures give a clear message, a non-zero status and no output file."""
    base = os.path.join(scratch, "bad")
    shutil.rmtree(base, ignore_errors=True)
    os.makedirs(base)
    cases = []

    def case(name, setup, extra_args, expect):
        src = os.path.join(base, name)
        os.makedirs(src)
        setup(src)
        cases.append((name, src, extra_args, expect))

    case("colon", lambda s: write(os.path.join(s, "a:b.txt"), b"x"), [], "IMAPI_E_INVALID_PATH")
    case("long name", lambda s: write(os.path.join(s, "x" * 65), b"x"), [], "IMAPI_E_INVALID_PATH")
    case("beyond UCS-2", lambda s: write(os.path.join(s, "emoji \U0001F600"), b"x"), [], "IMAPI_E_INVALID_PATH")
    case("trailing dot", lambda s: write(os.path.join(s, "name."), b"x"), [], "IMAPI_E_INVALID_PATH")
    case("trailing space", lambda s: os.makedirs(os.path.join(s, "folder ")), [], "IMAPI_E_INVALID_PATH")
    case("case twins", lambda s: (write(os.path.join(s, "Read.me"), b"1"), write(os.path.join(s, "READ.ME"), b"2")),
         [], "IMAPI_E_DUP_NAME")
    case("label", lambda s: write(os.path.join(s, "a"), b"x"), ["-V", "has space"], "IMAPI_E_INVALID_VOLUME_NAME")
    case("too big", lambda s: write(os.path.join(s, "a"), b"x" * 100000), ["--free-blocks", "40"],
         "IMAPI_E_IMAGE_SIZE_LIMIT")

    def huge(s):
        with open(os.path.join(s, "four gib.bin"), "wb") as f:
            f.truncate(4 << 30)  # sparse
    case("4 GiB", huge, [], "IMAPI_E_DATA_TOO_BIG")

    def deep(s):
        p = s
        for i in range(9):
            p = os.path.join(p, "d%d" % i)
        os.makedirs(p)
    case("deep iso only", deep, ["--iso9660-only"], "IMAPI_E_ISO9660_LEVELS")

    def fifo(s):
        os.mkfifo(os.path.join(s, "pipe"))
    case("fifo", fifo, [], "not a regular file")

    for name, src, extra, expect in cases:
        out = os.path.join(base, name + ".iso")
        r = run([mkiso] + extra + [src, out])
        err = r.stderr.decode(errors="replace")
        check(r.returncode == 1 and expect in err, "%s: expected status 1 and %s, got %d: %s"
              % (name, expect, r.returncode, err))
        check(not os.path.exists(out), "%s: output left behind" % name)
        leftovers = [f for f in os.listdir(base) if ".part" in f]
        check(not leftovers, "%s: temporary files left behind: %s" % (name, leftovers))

    # A failed build keeps the file it would have replaced.
    keep = os.path.join(base, "keep.iso")
    write(keep, b"old image")
    r = run([mkiso, os.path.join(base, "colon"), keep])
    check(r.returncode == 1 and open(keep, "rb").read() == b"old image", "a failed build damaged the old output")
    r = run([mkiso, os.path.join(base, "no such folder"), keep])
    check(r.returncode == 1 and b"no such folder" in r.stderr, "missing input: %s" % r.stderr)
    r = run([mkiso, "--bogus", "a", "b"])
    check(r.returncode == 2 and b"Usage" in r.stderr, "unknown option: status %d" % r.returncode)

    # Messages name what the user gave, not the temporary file or an unnamed folder.
    missing_dir = os.path.join(base, "no such dir", "out.iso")
    r = run([mkiso, os.path.join(base, "too big"), missing_dir])
    err = r.stderr.decode(errors="replace")
    check(r.returncode == 1 and missing_dir in err and ".part" not in err,
          "output in a missing folder: status %d, %s" % (r.returncode, err))
    no_temp = os.path.join(base, "no temporary folder")
    env = dict(os.environ, TMPDIR=no_temp)
    r = subprocess.run([mkiso, "--stage", os.path.join(base, "too big"), keep], capture_output=True, env=env)
    err = r.stderr.decode(errors="replace")
    check(r.returncode == 1 and "IMAPI_E_INVALID_WORKING_DIRECTORY" in err and no_temp in err,
          "staging without a temporary folder: status %d, %s" % (r.returncode, err))
    check(open(keep, "rb").read() == b"old image", "a failed staged build damaged the old output")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--mkiso", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()
    for tool in ("isoinfo", "isovfy", "xorriso", "7z"):
        if not shutil.which(tool):
            print("FAIL: %s is not installed" % tool)
            return 1
    scratch = os.path.abspath(args.work)
    os.makedirs(scratch, exist_ok=True)
    files = check_readers(args.mkiso, scratch)
    check_layout(args.mkiso, scratch, files)
    check_layout_files(args.mkiso, scratch)
    check_output_is_input(args.mkiso, scratch)
    check_failures(args.mkiso, scratch)
    if FAILURES:
        print("%d checks failed" % len(FAILURES))
        return 1
    print("all readers agree")
    shutil.rmtree(scratch, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
