#!/bin/bash
# Where the start goes: the game and the bare window each started RUNS times, alternating, on a
# private Xvfb screen (as bench/startup.sh does) with QUINTRICK_STARTUP_TRACE set; for each step
# of their starts the median time since the program was started and the median process CPU time
# by then, and the time to the first frame on the screen as the probe sees it.
# usage: bench/startup_phases.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-11}
source "$(dirname "${BASH_SOURCE[0]}")/private_screen.sh"
private_screen 1600x1200
export QUINTRICK_STARTUP_TRACE=1
# One start under the probe, its steps appended to the file $1 as "RUN WALL CPU STEP".
trace() {
    local into=$1 run=$2
    shift 2
    python3 -c '
import os, sys, time
print("startup %.3f 0 started" % (time.clock_gettime(time.CLOCK_MONOTONIC) * 1e3), file=sys.stderr, flush=True)
os.execv(sys.argv[1], sys.argv[1:])' "$build/bench/startup_probe" 800 750 188338 "$@" \
        2>"$work/marks" >"$work/shown"
    sed -n "s/^startup /$run /p" "$work/marks" >>"$into"
    echo "$run $(cut -d' ' -f1 "$work/shown") - on the screen" >>"$into"
}
trace /dev/null 0 "$build/src/app/quintrick"  # first start: writes the profile's defaults
: >"$work/game" && : >"$work/bare"
for run in $(seq "$runs"); do
    trace "$work/game" "$run" "$build/src/app/quintrick"
    trace "$work/bare" "$run" "$build/bench/bare_window" 1600 1200
done
python3 - "$work/game" "$work/bare" <<'PY'
import statistics, sys
for name, path in (("game", sys.argv[1]), ("bare window", sys.argv[2])):
    started, steps = {}, {}
    for line in open(path):
        run, wall, cpu, step = line.split(maxsplit=3)
        step = step.strip()
        if step == "started":
            started[run] = float(wall)
        elif step == "on the screen":  # the probe's milliseconds since it started the program
            steps.setdefault(step, []).append((float(wall), None))
        else:
            steps.setdefault(step, []).append((float(wall) - started[run], float(cpu)))
    print("%s, medians of %d starts:" % (name, len(started)))
    for step, values in steps.items():
        cpus = [c for _, c in values if c is not None]
        cpu = "%6.1f ms CPU" % statistics.median(cpus) if cpus else ""
        print("  %-26s %6.1f ms %s" % (step, statistics.median(w for w, _ in values), cpu))
PY
