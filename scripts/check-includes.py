#!/usr/bin/env python3
"""Checks that includes between the folders of src/ run one way only.

A file may include files of its own folder and of folders on a lower level
of the table below; folders on the same level stay apart. Any include of a
folder on the same or a higher level fails, naming the file and the line,
and so does any pair of folders that include each other.

Usage: check-includes.py [SOURCE_DIR]   (default: src/ of this checkout)
"""
import pathlib
import re
import sys

# Lowest level first.
LEVELS = [
    ["game"],                            # the open game's values, number parsing, zendral.cfg, safe writing
    ["db"],                              # the game tables
    ["orders", "possessions"],           # the order template, the possessions tree
    ["report"],                          # reading a report into the tables, the template and the tree
    ["map", "views", "stats", "military"],
    ["turn"],                            # opening a game, the import with its after-steps, closing
    ["charts"],                          # the history drawn with Qt Charts
    ["ui", "cli"],                       # the windows, the headless tool
    ["main"],                            # program entry, builds the windows
]
LEVEL = {folder: n for n, folders in enumerate(LEVELS) for folder in folders}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"/]+)/')
SUFFIXES = {".h", ".hpp", ".cpp", ".cc"}


def check(src):
    problems = []
    edges = {}  # (from, to) -> first "file:line" where it happens
    for path in sorted(src.rglob("*")):
        if not path.is_file() or path.suffix not in SUFFIXES:
            continue
        rel = path.relative_to(src)
        if len(rel.parts) < 2:
            continue
        own = rel.parts[0]
        if own not in LEVEL:
            problems.append(f"{src.name}/{rel}: Ordner '{own}' fehlt in der Tabelle der Ebenen")
            continue
        with open(path, encoding="utf-8", errors="replace") as f:
            for number, line in enumerate(f, 1):
                m = INCLUDE.match(line)
                if not m or m.group(1) == own:
                    continue
                other = m.group(1)
                where = f"{src.name}/{rel}:{number}"
                edges.setdefault((own, other), where)
                if other not in LEVEL:
                    problems.append(f"{where}: bindet '{other}/' ein, das in der Tabelle der Ebenen fehlt")
                elif LEVEL[other] >= LEVEL[own]:
                    kind = "höher" if LEVEL[other] > LEVEL[own] else "gleich hoch"
                    problems.append(f"{where}: '{own}/' bindet '{other}/' ein, das {kind} liegt: {line.strip()}")
    for (a, b), where in sorted(edges.items()):
        if a < b and (b, a) in edges:
            problems.append(f"'{a}/' und '{b}/' binden sich gegenseitig ein: {where} und {edges[(b, a)]}")
    return problems


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    src = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else root / "src"
    if not src.is_dir():
        print(f"Kein Quellordner: {src}", file=sys.stderr)
        return 2
    problems = check(src)
    for p in problems:
        print(p, file=sys.stderr)
    if problems:
        print(f"{len(problems)} Verstöße gegen die Richtung der Includes", file=sys.stderr)
        return 1
    print("Includes: Richtung eingehalten")
    return 0


if __name__ == "__main__":
    sys.exit(main())
