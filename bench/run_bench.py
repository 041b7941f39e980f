#!/usr/bin/env python3
"""Times whole backup runs of tidecopy-cli against cp -a and rsync -a on generated trees
and prints medians and ratios:

  1. full backup (Copy Files Always) against cp -a; 1b. the same for small files on tmpfs;
  2. re-run with nothing changed (Copy Files Conditionally) against rsync -a; 2b. the same
     with the caches dropped before every run (root only);
  3. 1 % of the files changed against rsync -a;
  4. per-file cost of the no-change run at two tree sizes;
  5. detailed log on against off for the full backup, and peak memory of the largest run.

Every tool runs on the same tree with warm caches, stdin not a terminal and stdout to
/dev/null. Destinations are removed and the disk synced before each timed full copy, and
the disk is synced before every other timed run, outside the timing. The script prints
figures only; it never passes or fails a target. Everything it writes stays in its own
temporary folder.
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

SMALL_MAX = 16 * 1024
SMALL_TMPFS_MAX = 4 * 1024
FIGURES = ("full", "tmpfs", "no-change", "cold", "changed", "scaling")
LARGE_SIZE = 64 * 2**20


class Measure:
    """One finished child process: wall seconds and peak resident memory."""

    def __init__(self, seconds, max_rss_kib, output):
        self.seconds = seconds
        self.max_rss_kib = max_rss_kib
        self.output = output


def run(command, capture=False):
    """Runs command with stdin from /dev/null and stdout to /dev/null (or a file, to read
    back), and reads the child's own resource usage."""
    with tempfile.TemporaryFile() as err, tempfile.TemporaryFile() as out:
        start = time.perf_counter()
        child = subprocess.Popen(command, stdin=subprocess.DEVNULL,
                                 stdout=out if capture else subprocess.DEVNULL, stderr=err)
        _, status, usage = os.wait4(child.pid, 0)
        seconds = time.perf_counter() - start
        child.returncode = os.waitstatus_to_exitcode(status)
        if child.returncode != 0:
            err.seek(0)
            sys.exit("%s failed with status %d:\n%s" % (" ".join(command), child.returncode,
                                                         err.read().decode(errors="replace")))
        out.seek(0)
        return Measure(seconds, usage.ru_maxrss, out.read().decode(errors="replace"))


def emptied(folder):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    return folder


class Bench:
    def __init__(self, args, work):
        self.args = args
        self.work = work
        self.bench = os.path.join(args.bin, "tidecopy-bench")
        self.cli = os.path.join(args.bin, "tidecopy-cli")

    def path(self, *parts):
        return os.path.join(self.work, *parts)

    def profile(self, name, source, destination, *flags):
        out = self.path(name + ".prof")
        subprocess.run([self.bench, "profile", out, source, destination, *flags], check=True)
        return out

    def tidecopy(self, profile, capture=False):
        return run([self.cli, "run", profile], capture)

    def generate(self, name, files, folders, large_files, max_size=SMALL_MAX, root=None):
        root = root or self.path(name)
        started = time.perf_counter()
        _, total = gen_tree.generate_flat(root, files, folders, max_size, large_files,
                                          LARGE_SIZE, self.args.seed)
        print("tree %s: %d files in %d folders (+%d of 64 MiB), %.1f MiB, made in %.0f s"
              % (name, files + large_files, folders, large_files, total / 2**20,
                 time.perf_counter() - started), flush=True)
        return root


def median(measures):
    return statistics.median(m.seconds for m in measures)


def summary_line(log):
    """The run's result line, to show what a run did."""
    lines = [line for line in log.splitlines() if line.strip()]
    for line in lines:
        if "Copied" in line or "up-to-date" in line:
            return line
    return lines[-1] if lines else ""


def full_backup(b, tree):
    """Figures 1 and 5 (log): fresh destination each time, synced before the clock starts."""
    dest = b.path("dest-full")
    plain = b.profile("always", tree, dest, "--always")
    detailed = b.profile("always-details", tree, dest, "--always", "--details")
    tools = {
        "tidecopy-cli": lambda: b.tidecopy(plain),
        "tidecopy-cli details": lambda: b.tidecopy(detailed),
        "cp -a": lambda: run(["cp", "-a", tree, dest + "/"]),
        "cp -a; sync": lambda: run(["sh", "-c", 'cp -a "$1" "$2/" && sync', "-", tree, dest]),
    }
    times = {name: [] for name in tools}
    for round_number in range(b.args.runs + 1):
        for name, tool in tools.items():
            emptied(dest)
            os.sync()
            measure = tool()
            if round_number > 0:  # the first round only warms the caches
                times[name].append(measure)
    shutil.rmtree(dest, ignore_errors=True)
    os.sync()
    return times


def small_files_in_memory(b):
    """Figure 1b: the full backup of small files on tmpfs, where no disk hides the cost of
    each file, against cp -a and rsync -a."""
    work = tempfile.mkdtemp(prefix="tidecopy-run-bench-", dir=b.args.tmpfs)
    try:
        tree = b.generate("small", b.args.files, b.args.folders, 0, SMALL_TMPFS_MAX,
                          os.path.join(work, "small"))
        dest = os.path.join(work, "dest")
        always = b.profile("small-always", tree, dest, "--always")
        tools = {
            "tidecopy-cli": lambda: b.tidecopy(always),
            "cp -a": lambda: run(["cp", "-a", tree, dest + "/"]),
            "rsync -a": lambda: run(["rsync", "-a", tree, dest + "/"]),
        }
        times = {name: [] for name in tools}
        for round_number in range(b.args.runs + 1):
            for name, tool in tools.items():
                emptied(dest)
                measure = tool()
                if round_number > 0:
                    times[name].append(measure)
        return times
    finally:
        shutil.rmtree(work, ignore_errors=True)


def rsync_copy(tree, dest_rs):
    run(["rsync", "-a", tree, emptied(dest_rs) + "/"])
    return dest_rs


def prepared_pair(b, tree, name):
    """A tidecopy destination and an rsync destination, both complete copies of tree."""
    dest_tc = emptied(b.path(name + "-tidecopy"))
    conditional = b.profile(name, tree, dest_tc, "--conditional")
    b.tidecopy(conditional)
    dest_rs = rsync_copy(tree, b.path(name + "-rsync"))
    os.sync()
    return conditional, dest_tc, dest_rs


def drop_caches():
    """Syncs and empties the page, inode and folder caches (root only), so that the next run
    reads its metadata from the disk."""
    os.sync()
    with open("/proc/sys/vm/drop_caches", "w") as handle:
        handle.write("3\n")


def no_change(b, tree, conditional, dest_rs, cold=False):
    """Figure 2 (and 4): both destinations complete; nothing to copy. Cold: every run starts
    with empty caches."""
    rsync = ["rsync", "-a", tree, dest_rs + "/"]
    if not cold:
        print("  no-change run says: %s"
              % summary_line(b.tidecopy(conditional, capture=True).output))
    run(rsync)
    times = {"tidecopy-cli": [], "rsync -a": []}
    prepare = drop_caches if cold else os.sync
    for _ in range(b.args.runs):
        prepare()
        times["tidecopy-cli"].append(b.tidecopy(conditional))
        prepare()
        times["rsync -a"].append(run(rsync))
    return times


def changed_files(tree, count):
    """count small files spread evenly over the tree, the same ones every round."""
    files = sorted(os.path.join(folder, name) for folder, _, names in os.walk(tree)
                   for name in names if name.startswith("f"))
    step = max(len(files) // count, 1)
    return files[::step][:count]


def touch(files, round_number):
    """New content of the same size and a new whole-second modification time."""
    moment = int(time.time()) + 10 * (round_number + 1)
    for path in files:
        with open(path, "r+b") as handle:
            data = handle.read()
            handle.seek(0)
            handle.write(bytes((byte + round_number + 1) & 0xFF for byte in data))
        os.utime(path, (moment, moment))


def one_percent(b, tree, conditional, dest_rs):
    """Figure 3: the same files changed before each round; each tool copies them."""
    files = changed_files(tree, b.args.files // 100)
    rsync = ["rsync", "-a", tree, dest_rs + "/"]
    times = {"tidecopy-cli": [], "rsync -a": []}
    for round_number in range(b.args.runs):
        touch(files, round_number)
        os.sync()
        measure = b.tidecopy(conditional, capture=round_number == 0)
        if round_number == 0:
            print("  1 %% run says: %s (%d files changed)" % (summary_line(measure.output),
                                                           len(files)))
        times["tidecopy-cli"].append(measure)
        os.sync()
        times["rsync -a"].append(run(rsync))
    return times


def scaling(b):
    """Figure 4 and the memory figure: no-change runs on two tree sizes, same files per
    folder; the full backup of the larger tree with the detailed log gives peak memory."""
    results = {}
    for files in b.args.scale_files:
        name = "tree%d" % files
        tree = b.generate(name, files, max(files // 100, 1), 0)
        dest_tc = emptied(b.path(name + "-tidecopy"))
        detailed = b.profile(name + "-full", tree, dest_tc, "--always", "--details")
        full = b.tidecopy(detailed)
        conditional = b.profile(name + "-conditional", tree, dest_tc, "--conditional")
        dest_rs = rsync_copy(tree, b.path(name + "-rsync"))
        os.sync()
        times = no_change(b, tree, conditional, dest_rs)
        results[files] = (full, times)
        for folder in (tree, dest_tc, dest_rs):
            shutil.rmtree(folder, ignore_errors=True)
        os.sync()
    return results


def ratio_row(label, value, baseline, target):
    print("%-46s %9.3f s %9.3f s %7.2fx  (target <= %.2fx)"
          % (label, value, baseline, value / baseline, target))


def measured(rows, title, times, label, baseline, target):
    """Prints one case's runs and keeps its ratio row for the table at the end."""
    report_runs(title, times)
    rows.append(lambda: ratio_row(label, median(times["tidecopy-cli"]), median(times[baseline]),
                                  target))


def report_runs(title, times):
    print(title)
    for name, measures in times.items():
        seconds = sorted(m.seconds for m in measures)
        print("  %-22s median %8.3f s  runs %s" % (name, median(measures),
                                                    " ".join("%.3f" % s for s in seconds)))


def tree_arguments(description, runs, files, folders, large_files):
    """The options every benchmark on a generated tree takes, with its own defaults."""
    parser = argparse.ArgumentParser(description=description,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--bin", default=os.path.join(HERE, "..", "build", "bin"),
                        help="folder holding tidecopy-cli and tidecopy-bench")
    parser.add_argument("--runs", type=int, default=runs)
    parser.add_argument("--files", type=int, default=files)
    parser.add_argument("--folders", type=int, default=folders)
    parser.add_argument("--large-files", type=int, default=large_files)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--work", default=None, help="where the temporary folder goes")
    return parser


def main():
    parser = tree_arguments(__doc__, runs=5, files=20000, folders=200, large_files=4)
    parser.add_argument("--scale-files", type=int, nargs=2, default=[10000, 100000])
    parser.add_argument("--tmpfs", default="/dev/shm", help="a folder on tmpfs")
    parser.add_argument("--only", nargs="+", choices=FIGURES, default=list(FIGURES),
                        help="measure only these figures")
    args = parser.parse_args()
    wanted = set(args.only)
    if "cold" in wanted and os.geteuid() != 0:
        print("cold-cache figure left out: dropping the caches needs root")
        wanted.discard("cold")
    if "tmpfs" in wanted and not os.path.isdir(args.tmpfs):
        print("tmpfs figure left out: %s is not there" % args.tmpfs)
        wanted.discard("tmpfs")

    work = tempfile.mkdtemp(prefix="tidecopy-run-bench-", dir=args.work)
    rows = []
    try:
        b = Bench(args, work)
        if "tmpfs" in wanted:
            measured(rows, "full backup of small files on tmpfs:", small_files_in_memory(b),
                     "1b. full, small files, tmpfs, vs cp -a", "cp -a", 0.8)
        if wanted & {"full", "no-change", "cold", "changed"}:
            tree = b.generate("tree", args.files, args.folders, args.large_files)
        if "full" in wanted:
            full = full_backup(b, tree)
            measured(rows, "full backup (Copy Files Always):", full, "1. full backup vs cp -a",
                     "cp -a", 1.0)
            rows.append(lambda: print("%-46s %11s %9.3f s  (cp -a followed by sync)"
                                      % ("", "", median(full["cp -a; sync"]))))
            rows.append(lambda: ratio_row("5. full backup, detailed log on vs off",
                                          median(full["tidecopy-cli details"]),
                                          median(full["tidecopy-cli"]), 1.10))
        if wanted & {"no-change", "cold", "changed"}:
            conditional, dest_tc, dest_rs = prepared_pair(b, tree, "dest")
            if "no-change" in wanted:
                measured(rows, "no-change run (conditional):",
                         no_change(b, tree, conditional, dest_rs), "2. no change vs rsync -a",
                         "rsync -a", 0.4)
            if "cold" in wanted:
                measured(rows, "no-change run, caches dropped before each run:",
                         no_change(b, tree, conditional, dest_rs, cold=True),
                         "2b. no change, cold cache, vs rsync -a", "rsync -a", 0.5)
            if "changed" in wanted:
                measured(rows, "1 % of the files changed:", one_percent(b, tree, conditional, dest_rs),
                         "3. 1 % changed vs rsync -a", "rsync -a", 0.5)
            for folder in (tree, dest_tc, dest_rs):
                shutil.rmtree(folder, ignore_errors=True)
            os.sync()
        if "scaling" in wanted:
            scaled = scaling(b)
            for files in args.scale_files:
                report_runs("no-change run, %d files:" % files, scaled[files][1])
            rows.append(lambda: scaling_rows(args, scaled))

        print()
        print("%-46s %11s %11s %8s" % ("figure", "tidecopy", "baseline", "ratio"))
        for row in rows:
            row()
    finally:
        shutil.rmtree(work, ignore_errors=True)


def scaling_rows(args, scaled):
    small, large = args.scale_files
    per_file = {files: median(scaled[files][1]["tidecopy-cli"]) / files * 1e6
                for files in (small, large)}
    rsync_per_file = {files: median(scaled[files][1]["rsync -a"]) / files * 1e6
                      for files in (small, large)}
    print("%-46s %8.2f us %8.2f us %7.2fx  (target <= 1.30x)"
          % ("4. per file, no change, %d vs %d files" % (large, small), per_file[large],
             per_file[small], per_file[large] / per_file[small]))
    print("%-46s %8.2f us %8.2f us %7.2fx  (rsync -a, for reference)"
          % ("", rsync_per_file[large], rsync_per_file[small],
             rsync_per_file[large] / rsync_per_file[small]))
    full_large, times_large = scaled[large]
    peak_no_change = max(m.max_rss_kib for m in times_large["tidecopy-cli"])
    print("%-46s %8.1f MiB (full backup, detailed log), %.1f MiB (no change)  "
          "(target <= 100 MiB)" % ("   peak memory, %d files" % large,
                                   full_large.max_rss_kib / 1024, peak_no_change / 1024))


if __name__ == "__main__":
    main()
