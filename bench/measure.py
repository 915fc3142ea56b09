#!/usr/bin/python3
"""CPU used by one process over a time window, per thread, from /proc.

Usage: measure.py PID SECONDS [XSERVER_PID]
Prints one JSON object: CPU as % of one core per thread name (threads of the same
name added up), "game" (the program's own threads), "render" (Mesa's llvmpipe
threads, which a GPU would take over), "total", "xserver" (the X server in the same
window, for information) and the peak resident size in MB."""
import json
import os
import sys
import time

TICKS = os.sysconf("SC_CLK_TCK")


def thread_times(pid):
    """{tid: (name, ticks)} for every thread of pid that can still be read."""
    times = {}
    for tid in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{tid}/stat") as f:
                stat = f.read()
        except OSError:
            continue
        name = stat[stat.index("(") + 1:stat.rindex(")")]
        fields = stat[stat.rindex(")") + 2:].split()
        times[tid] = (name, int(fields[11]) + int(fields[12]))
    return times


def process_ticks(pid):
    with open(f"/proc/{pid}/stat") as f:
        stat = f.read()
    fields = stat[stat.rindex(")") + 2:].split()
    return int(fields[11]) + int(fields[12])


def peak_rss_mb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024.0
    return 0.0


def main():
    pid, seconds = int(sys.argv[1]), float(sys.argv[2])
    xserver = int(sys.argv[3]) if len(sys.argv) > 3 else None
    before, x_before, start = thread_times(pid), xserver and process_ticks(xserver), time.time()
    time.sleep(seconds)
    after, x_after, wall = thread_times(pid), xserver and process_ticks(xserver), time.time() - start

    def pct(ticks):
        return round(100.0 * ticks / TICKS / wall, 1)

    per_name = {}
    for tid, (name, ticks) in after.items():
        used = ticks - before.get(tid, (name, 0))[1]
        key = "render" if name.startswith("llvmpipe") else name
        per_name.setdefault(key, 0)
        per_name[key] += used
    render = per_name.get("render", 0)
    game = sum(v for k, v in per_name.items() if k != "render")
    result = {
        "threads": {k: pct(v) for k, v in sorted(per_name.items(), key=lambda kv: -kv[1])},
        "game": pct(game), "render": pct(render), "total": pct(game + render),
        "xserver": pct(x_after - x_before) if xserver else None,
        "rss_mb": round(peak_rss_mb(pid), 1),
    }
    print(json.dumps(result))


if __name__ == "__main__":
    main()
