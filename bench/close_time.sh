#!/bin/bash
# Close to process exit: the game on a private Xvfb screen with openbox, a match running; the
# window closed with Alt+F4 and the question whether to quit midway answered Yes (the key "y").
# The time from that answer to the end of the process, for RUNS closes: each figure, the median.
# usage: bench/close_time.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-7}
source "$(dirname "${BASH_SOURCE[0]}")/private_screen.sh"
private_screen 1600x1200
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm $xvfb 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
mkdir -p "$XDG_CONFIG_HOME/Orvendel"
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }
: >"$work/figures"
for run in $(seq "$runs"); do
    printf '[Settei]\nAutoStart=1\nEntryNo=4\nSpeed=17\nRuleRem=0\nGamen=1200\n' \
        >"$XDG_CONFIG_HOME/Orvendel/Quintrick.conf"
    rm -f "$XDG_DATA_HOME/Orvendel/Quintrick/match.json"
    "$build/src/app/quintrick" --lang ja >"$work/game.log" 2>&1 &
    game=$!
    main=""
    for _ in $(seq 200); do
        main=$(xdotool search --onlyvisible --pid "$game" --name '^Quintrick$' 2>/dev/null | head -1 || true)
        [ -n "$main" ] && break
        sleep 0.05
    done
    sleep 3  # the match under way: a deal, a few tricks
    box=""
    for _ in 1 2 3; do
        xdotool windowactivate --sync "$main" key alt+F4 2>/dev/null || true
        for _ in $(seq 60); do
            box=$(xdotool search --onlyvisible --pid "$game" --name '^Quintrick$' 2>/dev/null |
                grep -vx "$main" | head -1 || true)
            [ -n "$box" ] && break 2
            sleep 0.05
        done
    done
    [ -n "$box" ] || { echo "run $run: the question did not open"; kill -9 "$game"; continue; }
    sleep 0.3
    xdotool windowactivate --sync "$box" 2>/dev/null || true
    begin=$(now_ms)
    xdotool key --window "$box" y
    while kill -0 "$game" 2>/dev/null; do sleep 0.005; done
    end=$(now_ms)
    wait "$game" 2>/dev/null || true
    [ -f "$XDG_DATA_HOME/Orvendel/Quintrick/match.json" ] && kept=kept || kept=LOST
    echo "run $run: $((end - begin)) ms (match $kept)"
    echo $((end - begin)) >>"$work/figures"
done
echo "close to exit: median $(median <"$work/figures") ms over $(wc -l <"$work/figures") closes"
