#!/usr/bin/env python3
"""The whole-process import of the large generated report (10,000 regions,
30,000 units) through zendral-cli, run by turns with the import floor on the
same report: prints every figure, both medians and their ratio.

Usage: bench/import-process.py [RUNS] [BUILD-DIR]"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
shared = os.path.join(os.path.dirname(root), "shared")
runs = int(sys.argv[1]) if len(sys.argv) > 1 else 9
cli = os.path.join(root, sys.argv[2] if len(sys.argv) > 2 else "build", "src", "zendral-cli")

with tempfile.TemporaryDirectory() as work:
    report = os.path.join(work, "big.cr")
    with open(report, "wb") as out:
        subprocess.run([sys.executable, os.path.join(shared, "tools", "make-big-report"),
                        "--regions", "10000", "--units", "30000"], stdout=out, check=True)
    imports, floors = [], []
    for _ in range(runs):
        folder = os.path.join(work, "folder")
        shutil.rmtree(folder, ignore_errors=True)
        subprocess.run([cli, "init", folder], stdout=subprocess.DEVNULL, check=True)
        start = time.perf_counter()
        subprocess.run([cli, "import", "--dir", folder, "--typ", "Molvanth", report],
                       stdout=subprocess.DEVNULL, check=True)
        imports.append(time.perf_counter() - start)
        floor = subprocess.run([sys.executable, os.path.join(shared, "tools", "import-floor.py"), report],
                               capture_output=True, text=True, check=True)
        floors.append(float(floor.stdout.strip()))
    print("import_s:", " ".join(f"{t:.3f}" for t in imports))
    print("floor_s: ", " ".join(f"{t:.3f}" for t in floors))
    mi, mf = statistics.median(imports), statistics.median(floors)
    print(f"median import {mi:.3f} s, median floor {mf:.3f} s, ratio {mi / mf:.2f}")
