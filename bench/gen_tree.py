#!/usr/bin/env python3
"""Generates a reproducible tree of folders and files for the copy benchmark.

Sizes follow a home folder's shape: mostly small files, some medium, a few large.
"""
import argparse
import os
import random


def size_of(rng):
    roll = rng.random()
    if roll < 0.898:
        return rng.randint(0, 16 * 1024)
    if roll < 0.998:
        return rng.randint(16 * 1024, 256 * 1024)
    return rng.randint(1024 * 1024, 16 * 1024 * 1024)


def generate(root, files, per_folder, seed):
    rng = random.Random(seed)
    chunk = os.urandom(16 * 1024 * 1024)
    folders = [root]
    os.makedirs(root, exist_ok=True)
    total = 0
    for index in range(files):
        if index % per_folder == 0 and index:
            # A random recursive tree: depth grows with the log of the folder count.
            parent = folders[rng.randrange(len(folders))]
            folder = os.path.join(parent, "d%05d" % len(folders))
            os.makedirs(folder)
            folders.append(folder)
        size = size_of(rng)
        offset = rng.randrange(0, len(chunk) - size + 1)
        with open(os.path.join(folders[-1], "f%06d.dat" % index), "wb") as out:
            out.write(chunk[offset:offset + size])
        total += size
    return len(folders), total


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("root")
    parser.add_argument("--files", type=int, default=20000)
    parser.add_argument("--per-folder", type=int, default=50)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    folders, total = generate(args.root, args.files, args.per_folder, args.seed)
    print("generated %d files in %d folders, %.1f MiB" % (args.files, folders, total / 2**20))


if __name__ == "__main__":
    main()
