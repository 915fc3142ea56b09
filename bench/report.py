#!/usr/bin/python3
"""Prints the CPU benchmark's table and checks every scene against its budget.

Usage: report.py RESULTS_DIR  (written by cpu_budget.sh). Exits 1 if a budget is broken."""
import json
import os
import sys

# scene: (game CPU ratio, total CPU ratio, peak RSS ratio) at most, to its floor's, and
# the longest main-thread pass in ms. At full screen only the memory has a budget: the
# twice-size pictures may cost up to twice what the floor's enlarged window does.
BUDGETS = {"title": (1.0, 1.5, 1.5, 34.0), "title_pad": (1.0, 1.5, 1.5, 34.0), "busy": (1.3, 2.5, 1.5, 34.0),
           "walk": (None, None, 1.5, 34.0), "full": (None, None, 2.0, None)}
FLOORS = {"full": ("floorfull1", "floorfull2")}  # the floor of the same size; else floor1, floor2
LAUNCH_S = 0.9


def load(results, name):
    with open(os.path.join(results, name + ".json")) as f:
        return json.load(f)


def read(results, name, default=""):
    try:
        with open(os.path.join(results, name)) as f:
            return f.read().strip()
    except OSError:
        return default


def floor_mean(results, names=("floor1", "floor2")):
    runs = [load(results, name) for name in names]
    return {k: sum(r[k] for r in runs) / len(runs) for k in ("game", "render", "total", "rss_mb")}, runs


def print_floor(results, names):
    floor, runs = floor_mean(results, names)
    print(f"{' and '.join(names)}: " + "; ".join(
        f"game {r['game']} + render {r['render']} = {r['total']} % ({', '.join(f'{k} {v}' for k, v in r['threads'].items())})"
        for r in runs))
    print(f"floor mean: game {floor['game']:.1f} %, render {floor['render']:.1f} %, total {floor['total']:.1f} %, "
          f"peak RSS {floor['rss_mb']:.0f} MB, launch {read(results, names[0] + '.launch')} s\n")


def check(broken, what, value, limit):
    if limit is not None and value > limit:
        broken.append(f"{what}: {value:.2f} > {limit}")


def main():
    results = sys.argv[1]
    print_floor(results, ("floor1", "floor2"))
    if os.path.exists(os.path.join(results, "floorfull1.json")):
        print_floor(results, FLOORS["full"])
    print(f"{'scene':9} {'game %':>7} {'render %':>9} {'total %':>8} {'game x':>7} {'total x':>8} "
          f"{'RSS MB':>7} {'RSS x':>6} {'longest pass ms':>16} {'X server %':>11}")
    broken = []
    for scene, (game_limit, total_limit, rss_limit, pass_limit) in BUDGETS.items():
        if not os.path.exists(os.path.join(results, scene + ".json")):
            continue  # not run this time
        floor, _ = floor_mean(results, FLOORS.get(scene, ("floor1", "floor2")))
        r = load(results, scene)
        game_x, total_x, rss_x = r["game"] / floor["game"], r["total"] / floor["total"], r["rss_mb"] / floor["rss_mb"]
        steps = read(results, scene + ".steps").split()
        longest = float(steps[5]) if len(steps) > 5 else float("inf")  # no figure: a broken run
        first = float(steps[1]) if len(steps) > 1 else float("inf")
        print(f"{scene:9} {r['game']:7.1f} {r['render']:9.1f} {r['total']:8.1f} {game_x:7.2f} {total_x:8.2f} "
              f"{r['rss_mb']:7.0f} {rss_x:6.2f} {longest:16.2f} {r['xserver']:11.1f}")
        print("       threads: " + ", ".join(f"{k} {v}" for k, v in r["threads"].items()))
        print(f"       longest pass since loading, the scene's set-up included: {first:.2f} ms")
        check(broken, f"{scene} game CPU ratio", game_x, game_limit)
        check(broken, f"{scene} total CPU ratio", total_x, total_limit)
        check(broken, f"{scene} peak RSS ratio", rss_x, rss_limit)
        check(broken, f"{scene} longest main-thread pass (ms)", longest, pass_limit)
    launch = read(results, "title.launch")
    if launch:
        print(f"\nlaunch to a visible title: {float(launch):.2f} s")
        check(broken, "launch to the title (s)", float(launch), LAUNCH_S)
    if broken:
        print("\nOVER BUDGET:\n  " + "\n  ".join(broken))
        return 1
    print("\nevery scene within budget")
    return 0


if __name__ == "__main__":
    sys.exit(main())
