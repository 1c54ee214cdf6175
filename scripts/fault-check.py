#!/usr/bin/env python3
"""Does the suite catch plausible one-line faults?

Copies the committed tree (or the tree given with --source) into a scratch folder, builds it once,
then applies each fault of scripts/faults.txt in turn, rebuilds, runs ctest and restores the file.
A fault counts as caught when the build or some test fails. Prints one line per fault and a total.

    scripts/fault-check.py [--source DIR] [--scratch DIR] [--only NAME ...]

faults.txt: blocks separated by blank lines,

    name: what the fault is
    file: path/in/the/tree.cpp
    old: exact text, found once
    new: its replacement

More file lines (with or without old/new pairs of their own) give alternatives for code that
moved; an old/new pair applies to the file lines before it, and the first that matches is used.

"old"/"new" take Python string escapes (\\n, \\t). Install and package checks are left out of
the runs: they build a package and cannot see a fault in the program's logic.

A fault with "platform: windows" is in Windows-only code: it is run only with --windows, which
builds the tree with MinGW-w64 (the toolchain of `make windows`, which must have run once) and runs
the suite under Wine; the other faults are then left out.
"""
import argparse
import os
import shutil
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def parse_faults(path):
    """Blocks of name/file/old/new lines; an old/new pair belongs to the file lines before it."""
    faults, block, files = [], None, []
    for line in open(path, encoding="utf-8").read().split("\n") + [""]:
        if not line.strip():
            if block:
                faults.append(block)
            block, files = None, []
            continue
        if line.startswith("#"):
            continue
        key, _, value = line.partition(":")
        value = value[1:] if value.startswith(" ") else value
        value = value.encode().decode("unicode_escape").encode("latin-1").decode("utf-8")
        if key == "name":
            block = {"name": value, "alternatives": []}
        elif key == "platform":
            block["platform"] = value
        elif key == "file":
            files.append(value)
        elif key == "old":
            old = value
        elif key == "new":
            block["alternatives"] += [(f, old, value) for f in files]
            files = []
    return faults


def run(cmd, cwd, log):
    with open(log, "a") as out:
        return subprocess.call(cmd, cwd=cwd, stdout=out, stderr=subprocess.STDOUT)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--source", default=os.path.dirname(HERE))
    ap.add_argument("--scratch", default="/tmp/zandrel-faults")
    ap.add_argument("--faults", default=os.path.join(HERE, "faults.txt"))
    ap.add_argument("--only", nargs="*")
    ap.add_argument("--windows", action="store_true",
                    help="the Windows-only faults, in the MinGW build under Wine")
    args = ap.parse_args()

    faults = parse_faults(args.faults)
    wanted_platform = "windows" if args.windows else None
    faults = [f for f in faults if f.get("platform") == wanted_platform]
    if args.only:
        faults = [f for f in faults if f["name"] in args.only]
    tree = os.path.join(args.scratch, "tree")
    build = os.path.join(args.scratch, "build-windows" if args.windows else "build")
    log = os.path.join(args.scratch, "log.txt")
    os.makedirs(args.scratch, exist_ok=True)
    files = subprocess.check_output(["git", "ls-files", "-z"], cwd=args.source).split(b"\0")
    wanted = {f.decode() for f in files if f}
    # The scratch tree is kept between runs so that only what changed is rebuilt. A changed file
    # gets a fresh time stamp: its own one may be older than an object built from a fault.
    for root, _, names in os.walk(tree):
        for name in names:
            path = os.path.join(root, name)
            if os.path.relpath(path, tree) not in wanted:
                os.remove(path)
    for f in sorted(wanted):
        src = os.path.join(args.source, f)
        dst = os.path.join(tree, f)
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        with open(src, "rb") as a:
            data = a.read()
        if os.path.exists(dst):
            with open(dst, "rb") as b:
                if b.read() == data:
                    continue
        shutil.copy(src, dst)
    open(log, "w").close()
    configure = ["cmake", "-S", tree, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                 "-DZANDREL_BENCH=OFF"]
    if args.windows:
        prefixes = subprocess.check_output([os.path.join(HERE, "windows", "prefixes.sh")], text=True)
        configure += ["-DCMAKE_TOOLCHAIN_FILE=" + os.path.join(tree, "cmake", "mingw-w64.cmake"),
                      "-DZANDREL_MINGW_PREFIXES=" + prefixes.strip(), "-DQT_HOST_PATH=/usr",
                      "-DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake"]
    if run(configure, tree, log) or run(["cmake", "--build", build], tree, log):
        sys.exit("the unchanged tree does not build; see " + log)
    ctest = ["ctest", "--test-dir", build, "-j", str(os.cpu_count() or 2), "--timeout", "300",
             "--stop-on-failure", "-E", "packaging_(install|deb)"]
    if run(ctest, tree, log):
        sys.exit("the unchanged tree fails its tests; see " + log)

    caught = 0
    for fault in faults:
        found = [(f, old, new) for f, old, new in fault["alternatives"]
                 if os.path.exists(os.path.join(tree, f))
                 and open(os.path.join(tree, f), encoding="utf-8").read().count(old) == 1]
        if not found:
            print(f"SKIP   {fault['name']}: text not found once", flush=True)
            continue
        target, old, new = found[0]
        path = os.path.join(tree, target)
        original = open(path, encoding="utf-8").read()
        open(path, "w", encoding="utf-8").write(original.replace(old, new))
        start = time.time()
        with open(log, "a") as out:
            out.write(f"\n==== {fault['name']}\n")
        failed = run(["cmake", "--build", build], tree, log) != 0
        how = "build"
        if not failed:
            failed = run(ctest, tree, log) != 0
            how = "tests"
        open(path, "w", encoding="utf-8").write(original)
        os.utime(path)  # a rebuild must see the file as changed again
        caught += failed
        print(f"{'CAUGHT' if failed else 'MISSED'} {fault['name']} ({target}, {how}, "
              f"{time.time() - start:.0f} s)", flush=True)
    run(["cmake", "--build", build], tree, log)
    print(f"caught {caught} of {len(faults)}")


if __name__ == "__main__":
    main()
