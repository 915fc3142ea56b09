#!/usr/bin/env python3
"""check_layers.py -- the source tree stands in layers; this keeps it so.

Each folder under src/ is a layer. A file may include headers from its own
folder or from a folder below it, never from above. A unit is a header and the
.cpp of the same name; units must not include each other in a loop. Prints every
offending include and exits 1; prints a one-line summary and exits 0 when clean.

    tools/check_layers.py [source folder, default: src next to this script]
"""
import pathlib
import re
import sys

# Bottom first. A folder may include itself and anything listed before it.
LAYERS = ["engine", "world", "inventory", "activities", "frontend", "tutorial", "game"]

# Includes allowed against the order, each with a one-line reason. Kept empty.
EXCEPTIONS = {}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def includes_of(path):
    for number, line in enumerate(path.read_text().splitlines(), start=1):
        match = INCLUDE.match(line)
        if match:
            yield number, match.group(1)


def resolve(src, path, name):
    """The included file, relative to src/, or None when it is not ours."""
    for base in (path.parent, src):
        candidate = (base / name).resolve()
        if candidate.is_file() and src.resolve() in candidate.parents:
            return candidate.relative_to(src.resolve()).as_posix()
    return None


def unit_of(rel):
    return rel.rsplit(".", 1)[0]


def layer_of(rel):
    return rel.split("/", 1)[0]


def upward_includes(edges):
    problems = []
    for (source, line, target) in edges:
        here, there = layer_of(source), layer_of(target)
        if here not in LAYERS:
            problems.append(f"{source}:{line}: folder '{here}' is not in the layer order")
            continue
        if there not in LAYERS:
            problems.append(f"{source}:{line}: includes {target} from unknown folder '{there}'")
            continue
        if LAYERS.index(there) > LAYERS.index(here) and (source, target) not in EXCEPTIONS:
            problems.append(f"{source}:{line}: includes {target} -- '{there}' stands above '{here}'")
    return problems


def find_cycle(graph):
    """One loop of units as a list ending where it starts, or None."""
    state, stack = {}, []

    def visit(unit):
        state[unit] = "open"
        stack.append(unit)
        for nxt in sorted(graph.get(unit, ())):
            if state.get(nxt) == "open":
                return stack[stack.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt)
                if found:
                    return found
        stack.pop()
        state[unit] = "done"
        return None

    for unit in sorted(graph):
        if unit not in state:
            found = visit(unit)
            if found:
                return found
    return None


def cycle_problems(edges):
    graph, where = {}, {}
    for (source, line, target) in edges:
        a, b = unit_of(source), unit_of(target)
        if a != b:
            graph.setdefault(a, set()).add(b)
            where.setdefault((a, b), f"{source}:{line}: includes {target}")
    problems = []
    while True:
        cycle = find_cycle(graph)
        if not cycle:
            return problems
        problems.append("include loop: " + " -> ".join(cycle))
        problems.extend("  " + where[(a, b)] for a, b in zip(cycle, cycle[1:]))
        graph[cycle[0]].discard(cycle[1])  # report each loop once, then look for more


def main():
    here = pathlib.Path(__file__).resolve().parent
    src = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else here.parent / "src"
    edges = []
    files = sorted(p for p in src.rglob("*") if p.suffix in (".h", ".cpp"))
    for path in files:
        rel = path.resolve().relative_to(src.resolve()).as_posix()
        for line, name in includes_of(path):
            target = resolve(src, path, name)
            if target:
                edges.append((rel, line, target))
    problems = upward_includes(edges) + cycle_problems(edges)
    for problem in problems:
        print(problem)
    if problems:
        print(f"check_layers: {len(problems)} problem line(s) in {src}")
        return 1
    print(f"check_layers: {len(files)} files, {len(edges)} includes, layers "
          + " < ".join(LAYERS) + ": no upward include, no loop")
    return 0


if __name__ == "__main__":
    sys.exit(main())
