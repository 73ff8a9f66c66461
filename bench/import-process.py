#!/usr/bin/env python3
"""The whole-process import through zendral-cli, run by turns with the C++
import floor (built here from ../shared/tools/import-floor.cpp) on the same
report: prints every figure, the medians, their ratio and the peak memory of
each side (and, once per report, that of import-floor.py).

Without reports it makes the two large generated ones (10,000 regions and
30,000 units; 40,000 and 120,000). Several builds may run by turns in the
same rounds (NAME=CLI), so that a busy host weighs on all of them alike.

Usage: bench/import-process.py [--runs N] [--cli NAME=PATH ...] [REPORT ...]
       (default: 5 pairs, the build in ./build)"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
shared = os.path.join(os.path.dirname(root), "shared")
tools = os.path.join(shared, "tools")

parser = argparse.ArgumentParser()
parser.add_argument("--runs", type=int, default=5)
parser.add_argument("--cli", action="append", default=[], help="NAME=PATH of a zendral-cli")
parser.add_argument("reports", nargs="*")
args = parser.parse_args()
clis = dict(c.split("=", 1) for c in args.cli) or {"zendral": os.path.join(root, "build", "src", "zendral-cli")}


def timed(command):
    """Seconds and peak resident memory (MB) of one process."""
    start = time.perf_counter()
    p = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    _, status, usage = os.wait4(p.pid, 0)
    seconds = time.perf_counter() - start
    out = p.stdout.read().decode()
    p.stdout.close()
    p.stderr.close()
    p.returncode = os.waitstatus_to_exitcode(status)
    if p.returncode != 0:
        sys.exit(f"{' '.join(command)} failed with {p.returncode}")
    return seconds, usage.ru_maxrss / 1024.0, out


def median_line(name, seconds, memory, floor=None):
    m = statistics.median(seconds)
    ratio = f", ratio {m / floor:.2f}" if floor else ""
    print(f"  {name:10} " + " ".join(f"{t:.3f}" for t in seconds) +
          f"; median {m:.3f} s{ratio}, peak {max(memory):.0f} MB")


with tempfile.TemporaryDirectory() as work:
    floor_cpp = os.path.join(work, "import-floor")
    subprocess.run(["g++", "-O2", "-std=c++20", os.path.join(tools, "import-floor.cpp"), "-lsqlite3", "-o", floor_cpp],
                   check=True)
    reports = args.reports
    if not reports:
        for name, regions, units in (("big-11.cr", 10000, 30000), ("big-45.cr", 40000, 120000)):
            path = os.path.join(work, name)
            with open(path, "wb") as out:
                subprocess.run([sys.executable, os.path.join(tools, "make-big-report"),
                                "--regions", str(regions), "--units", str(units)], stdout=out, check=True)
            reports.append(path)
    folder = os.path.join(work, "folder")
    for report in reports:
        times = {name: [] for name in clis}
        peaks = {name: [] for name in clis}
        floors, floor_peaks = [], []
        for _ in range(args.runs):
            for name, cli in clis.items():
                shutil.rmtree(folder, ignore_errors=True)
                subprocess.run([cli, "init", folder], stdout=subprocess.DEVNULL, check=True)
                seconds, peak, _ = timed([cli, "import", "--ja", "--dir", folder, "--typ", "Molvanth", report])
                times[name].append(seconds)
                peaks[name].append(peak)
            # The floor's whole process, like the import's.
            seconds, peak, _ = timed([floor_cpp, report])
            floors.append(seconds)
            floor_peaks.append(peak)
        _, py_peak, py_out = timed([sys.executable, os.path.join(tools, "import-floor.py"), report])
        mf = statistics.median(floors)
        print(f"{os.path.basename(report)} ({os.path.getsize(report) / 1e6:.1f} MB), {args.runs} rounds:")
        for name in clis:
            median_line(name, times[name], peaks[name], mf)
        median_line("c++ floor", floors, floor_peaks)
        print(f"  import-floor.py: {float(py_out.strip()):.3f} s, peak {py_peak:.0f} MB")
