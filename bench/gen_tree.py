#!/usr/bin/env python3
"""Generates a reproducible tree of folders and files for the copy benchmarks.

Two shapes: "home" follows a home folder (mostly small files, some medium, a few large, a
random recursive tree); "flat" spreads small files evenly over a number of folders and
adds a few large files, for the backup run benchmark. The same seed gives the same tree,
contents included.
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


def content_chunk(seed, size):
    # A generator of its own, so the sizes drawn from the seed stay what they were.
    return random.Random("content-%d" % seed).randbytes(size)


def generate(root, files, per_folder, seed):
    rng = random.Random(seed)
    chunk = content_chunk(seed, 16 * 1024 * 1024)
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


def generate_flat(root, files, folders, max_size, large_files, large_size, seed):
    """files of 1 byte to max_size bytes, dealt round the folders, plus large_files files of
    large_size bytes in the first folder. Returns (folders, total bytes)."""
    rng = random.Random(seed)
    chunk = content_chunk(seed, max(max_size, 1024 * 1024) * 2)
    paths = [os.path.join(root, "d%04d" % index) for index in range(folders)]
    for path in paths:
        os.makedirs(path, exist_ok=True)
    total = 0
    for index in range(files):
        size = rng.randint(1, max_size)
        offset = rng.randrange(0, len(chunk) - size + 1)
        with open(os.path.join(paths[index % folders], "f%06d.dat" % index), "wb") as out:
            out.write(chunk[offset:offset + size])
        total += size
    for index in range(large_files):
        with open(os.path.join(paths[0], "large%d.bin" % index), "wb") as out:
            left = large_size
            while left > 0:
                piece = min(left, len(chunk))
                offset = rng.randrange(0, len(chunk) - piece + 1)
                out.write(chunk[offset:offset + piece])
                left -= piece
        total += large_size
    return folders, total


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("root")
    parser.add_argument("--shape", choices=("home", "flat"), default="home")
    parser.add_argument("--files", type=int, default=20000)
    parser.add_argument("--per-folder", type=int, default=50, help="home shape")
    parser.add_argument("--folders", type=int, default=200, help="flat shape")
    parser.add_argument("--max-size", type=int, default=16 * 1024, help="flat shape")
    parser.add_argument("--large-files", type=int, default=4, help="flat shape")
    parser.add_argument("--large-size", type=int, default=64 * 2**20, help="flat shape")
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    if args.shape == "flat":
        folders, total = generate_flat(args.root, args.files, args.folders, args.max_size,
                                       args.large_files, args.large_size, args.seed)
    else:
        folders, total = generate(args.root, args.files, args.per_folder, args.seed)
    print("generated %d files in %d folders, %.1f MiB" % (args.files, folders, total / 2**20))


if __name__ == "__main__":
    main()
