#!/usr/bin/env python3
"""What the checksum list costs, against the tools a user would otherwise reach for, in
the same run on the same machine:

1. the speed of SHA-256 over one large cached file: tidecopy-bench sha256 against
   sha256sum;
2. a full backup (Copy Files Always) with the integrity check on, with and without the
   list (the list's hashes come from the check's read), and without the check, with and
   without the list (the copies are read once more for it); cp -a, and cp -a followed by
   sha256sum over every copy, beside them;
3. tidecopy-cli verify of the backup against sha256sum -c of its list in the folder.
   The verify drops each file from the cache before it reads it, so that it checks the
   disk; the backup's files are dropped from the cache before sha256sum -c too.

Everything is written below one temporary folder, removed at the end.
"""
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from run_bench import Bench, emptied, median, report_runs, run, tree_arguments  # noqa: E402


def hash_speed(b, tree):
    large = os.path.join(tree, "d0000", "large0.bin")
    run(["cat", large])  # into the cache
    ours, theirs = [], []
    for _ in range(b.args.runs):
        measure = run([b.bench, "sha256", large], capture=True)
        ours.append(float(measure.output.split("MBps=")[1]))
        theirs.append(os.path.getsize(large) / 1e6 / run(["sha256sum", large]).seconds)
    print("1. SHA-256 of a cached 64 MiB file: tidecopy %.0f MB/s, sha256sum %.0f MB/s"
          % (sorted(ours)[len(ours) // 2], sorted(theirs)[len(theirs) // 2]), flush=True)


def full_backups(b, tree):
    dest = b.path("dest")
    profiles = {
        "integrity": b.profile("integrity", tree, dest, "--always", "--integrity"),
        "integrity + list": b.profile("both", tree, dest, "--always", "--integrity", "--checksums"),
        "no check": b.profile("plain", tree, dest, "--always"),
        "list only": b.profile("list", tree, dest, "--always", "--checksums"),
    }
    hash_all = "cd '%s' && find . -type f -print0 | xargs -0 sha256sum > ../manual.sha256" % dest
    commands = {name: (lambda p=p: [b.cli, "run", p]) for name, p in profiles.items()}
    commands["cp -a"] = lambda: ["cp", "-a", tree, dest + "/"]
    commands["cp -a + sha256sum"] = lambda: ["sh", "-c", "cp -a '%s' '%s/' && %s"
                                             % (tree, dest, hash_all)]
    times = {name: [] for name in commands}
    for round_number in range(b.args.runs + 1):
        for name, command in commands.items():
            emptied(dest)
            os.sync()
            measure = run(command())
            if round_number > 0:  # the first round warms the caches
                times[name].append(measure)
    report_runs("2. full backup, %d runs" % b.args.runs, times)
    for label, with_list, without in (("with the integrity check", "integrity + list", "integrity"),
                                      ("without it", "list only", "no check")):
        print("   the list costs %+.0f %% %s" % (
            (median(times[with_list]) / median(times[without]) - 1) * 100, label))
    print("   tidecopy with check and list vs cp -a + sha256sum: %.2fx" % (
        median(times["integrity + list"]) / median(times["cp -a + sha256sum"])), flush=True)
    return profiles["integrity + list"], dest


def drop_from_cache(folder):
    for root, _, files in os.walk(folder):
        for name in files:
            fd = os.open(os.path.join(root, name), os.O_RDONLY)
            os.posix_fadvise(fd, 0, 0, os.POSIX_FADV_DONTNEED)
            os.close(fd)


def verify(b, profile, dest):
    emptied(dest)
    run([b.cli, "run", profile])
    times = {"tidecopy-cli verify": [], "sha256sum -c": []}
    for _ in range(b.args.runs):
        os.sync()
        times["tidecopy-cli verify"].append(run([b.cli, "verify", profile]))
        drop_from_cache(dest)
        times["sha256sum -c"].append(
            run(["sh", "-c", "cd '%s' && sha256sum --quiet -c Tidecopy.sha256" % dest]))
    report_runs("3. verify of the backup", times)
    print("   tidecopy-cli verify vs sha256sum -c: %.2fx" % (
        median(times["tidecopy-cli verify"]) / median(times["sha256sum -c"])))


def main():
    parser = tree_arguments(__doc__, runs=3, files=10000, folders=100, large_files=2)
    args = parser.parse_args()

    work = tempfile.mkdtemp(prefix="tidecopy-checksum-bench-", dir=args.work)
    try:
        b = Bench(args, work)
        tree = b.generate("tree", args.files, args.folders, args.large_files)
        hash_speed(b, tree)
        profile, dest = full_backups(b, tree)
        verify(b, profile, dest)
    finally:
        shutil.rmtree(work, ignore_errors=True)
        subprocess.run(["sync"])


if __name__ == "__main__":
    main()
