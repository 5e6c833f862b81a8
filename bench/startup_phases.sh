#!/bin/bash
# Where the start goes: the game started RUNS times on a private Xvfb screen (as bench/startup.sh
# does) with QUINTRICK_STARTUP_TRACE set, and for each step of its start the median time since
# the program was started and the median process CPU time by then; the bare window's time to its
# first paint from the same run for comparison.
# usage: bench/startup_phases.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-11}
source "$(dirname "${BASH_SOURCE[0]}")/private_screen.sh"
private_screen 1600x1200
export QUINTRICK_STARTUP_TRACE=1
# Prints "startup <monotonic ms> 0 started" and becomes the probe, which starts the program.
start() {
    python3 -c '
import os, sys, time
print("startup %.3f 0 started" % (time.clock_gettime(time.CLOCK_MONOTONIC) * 1e3), file=sys.stderr, flush=True)
os.execv(sys.argv[1], sys.argv[1:])' "$build/bench/startup_probe" 800 750 188338 "$@"
}
start "$build/src/app/quintrick" >/dev/null 2>&1  # first start: writes the profile's defaults
: >"$work/game" && : >"$work/bare"
for run in $(seq "$runs"); do
    start "$build/src/app/quintrick" 2>"$work/marks" >"$work/shown"
    sed -n "s/^startup /$run /p" "$work/marks" >>"$work/game"
    echo "$run 0 0 on the screen (the probe) $(cut -d' ' -f1 "$work/shown")" >>"$work/game"
    start "$build/bench/bare_window" 1600 1200 2>/dev/null >>"$work/bare"
done
python3 - "$work/game" "$work/bare" <<'PY'
import statistics, sys
steps, order = {}, []
runs = {}
for line in open(sys.argv[1]):
    run, wall, cpu, step = line.split(maxsplit=3)
    step = step.strip()
    if step == "started":
        runs[run] = float(wall)
        continue
    if step.startswith("on the screen"):
        step, wall = "on the screen (the probe)", runs[run] + float(step.split()[-1])
        cpu = "nan"
    if step not in steps:
        steps[step] = []
        order.append(step)
    steps[step].append((float(wall) - runs[run], float(cpu)))
print("%-28s %12s %12s" % ("step", "wall ms", "CPU ms"))
for step in order:
    cpus = [c for _, c in steps[step] if c == c]
    print("%-28s %12.1f %12s" % (step, statistics.median(w for w, _ in steps[step]),
                                 "%.1f" % statistics.median(cpus) if cpus else "-"))
bare = [float(l.split()[0]) for l in open(sys.argv[2]) if l.strip()]
print("bare window, first paint on the screen: %.1f ms (median of %d)" % (statistics.median(bare), len(bare)))
PY
