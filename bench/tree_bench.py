#!/usr/bin/env python3
"""Lists and copies one generated tree with the core (tidecopy-bench), find, cp -a and
rsync -a, several times each in the same run, and prints medians and ratios.

Caches are warm for every tool alike; destinations are removed and the disk synced
before each timed copy, outside the timing.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import gen_tree  # noqa: E402


def timed(command):
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
    return time.perf_counter() - start


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--bench", default=os.path.join(HERE, "..", "build", "bin", "tidecopy-bench"))
    parser.add_argument("--files", type=int, default=20000)
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--list-only", action="store_true", help="time the listings only")
    parser.add_argument("--work", default=None, help="folder for the tree (default: a new temporary one)")
    args = parser.parse_args()

    work = tempfile.mkdtemp(prefix="tidecopy-bench-", dir=args.work)
    try:
        tree = os.path.join(work, "tree")
        folders, total = gen_tree.generate(tree, args.files, 50, 1)
        print("tree: %d files, %d folders, %.1f MiB; %d runs" % (args.files, folders, total / 2**20, args.runs))
        dest = os.path.join(work, "dest")
        listings = {
            "tidecopy list": [args.bench, "list", tree],
            "find": ["find", tree, "-type", "f"],
        }
        copies = {
            "tidecopy copy": lambda: [args.bench, "copy", tree, dest],
            "cp -a": lambda: ["cp", "-a", tree + "/.", dest],
            "rsync -a": lambda: ["rsync", "-a", tree + "/", dest + "/"],
        }
        if args.list_only:
            copies = {}
        times = {name: [] for name in list(listings) + list(copies)}
        for _ in range(args.runs):
            for name, command in listings.items():
                times[name].append(timed(command))
            for name, command in copies.items():
                shutil.rmtree(dest, ignore_errors=True)
                os.makedirs(dest)
                os.sync()
                times[name].append(timed(command()))
        shutil.rmtree(dest, ignore_errors=True)

        medians = {name: statistics.median(values) for name, values in times.items()}
        print("%-15s %10s %10s" % ("tool", "median s", "ratio"))
        for group, baseline in ((listings, "find"), (copies, "cp -a")):
            for name in group:
                print("%-15s %10.3f %9.2fx" % (name, medians[name], medians[name] / medians[baseline]))
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
