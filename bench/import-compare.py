#!/usr/bin/env python3
"""Whole-process imports of one report by several zendral-cli builds, run by
turns with the import floor on the same report: prints each build's median
and its ratio to the floor's median. For telling a change's cost apart from a
noisy host.

Usage: bench/import-compare.py REPORT RUNS NAME=CLI [NAME=CLI ...]"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

shared = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))), "shared")
report, runs = sys.argv[1], int(sys.argv[2])
clis = dict(arg.split("=", 1) for arg in sys.argv[3:])
times = {name: [] for name in clis}
floors = []
with tempfile.TemporaryDirectory() as work:
    folder = os.path.join(work, "folder")
    for _ in range(runs):
        for name, cli in clis.items():
            shutil.rmtree(folder, ignore_errors=True)
            subprocess.run([cli, "init", folder], stdout=subprocess.DEVNULL, check=True)
            start = time.perf_counter()
            subprocess.run([cli, "import", "--dir", folder, "--typ", "Molvanth", report],
                           stdout=subprocess.DEVNULL, check=True)
            times[name].append(time.perf_counter() - start)
        floor = subprocess.run([sys.executable, os.path.join(shared, "tools", "import-floor.py"), report],
                               capture_output=True, text=True, check=True)
        floors.append(float(floor.stdout.strip()))
mf = statistics.median(floors)
for name, t in times.items():
    print(f"{name}: " + " ".join(f"{x:.3f}" for x in t) + f"; median {statistics.median(t):.3f} s, "
          f"ratio {statistics.median(t) / mf:.2f}")
print("floor: " + " ".join(f"{x:.3f}" for x in floors) + f"; median {mf:.3f} s")
