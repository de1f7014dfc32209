#!/usr/bin/env python3
"""House rules for src/: each folder includes only from its own floor and the
floors below it, and no files include each other in a circle (a header and
its source count as one unit).

    scripts/check-layers.py        exit status 1 and a list when a rule is broken
"""
import pathlib
import re
import sys

FLOORS = ["platform/jet", "platform/rtf", "platform/services", "core", "widgets", "shell", "screens", "app"]
# The three platform folders are one floor: none of them includes another.
LEVEL = {"platform/jet": 0, "platform/rtf": 0, "platform/services": 0,
         "core": 1, "widgets": 2, "shell": 3, "screens": 4, "app": 5}

src = pathlib.Path(__file__).resolve().parent.parent / "src"
include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def floor(rel):
    for f in sorted(FLOORS, key=len, reverse=True):
        if rel.startswith(f + "/"):
            return f
    return None


problems = []
edges = {}
for path in sorted(src.rglob("*")):
    if path.suffix not in (".h", ".cpp"):
        continue
    rel = path.relative_to(src).as_posix()
    here = floor(rel)
    if here is None:
        problems.append(f"{rel}: in no floor ({', '.join(FLOORS)})")
        continue
    unit = rel.rsplit(".", 1)[0]
    for target in include.findall(path.read_text(encoding="utf-8")):
        if not (src / target).exists():
            continue
        there = floor(target)
        if there != here and LEVEL[there] >= LEVEL[here]:
            problems.append(f"{rel} includes {target}: {there} is not below {here}")
        other = target.rsplit(".", 1)[0]
        if other != unit:
            edges.setdefault(unit, set()).add(other)

# Circles: depth-first search over the units.
state = {}
stack = []


def visit(u):
    state[u] = 1
    stack.append(u)
    for v in sorted(edges.get(u, ())):
        if state.get(v) == 1:
            problems.append("circle: " + " -> ".join(stack[stack.index(v):] + [v]))
        elif v not in state:
            visit(v)
    stack.pop()
    state[u] = 2


for u in sorted(edges):
    if u not in state:
        visit(u)

for p in problems:
    print(p)
sys.exit(1 if problems else 0)
