#!/bin/bash
# Start of the game to its first painted table, on a private Xvfb screen and a fresh profile,
# against a bare Qt window of the same size (bench/bare_window) started the same way in the same
# run: medians of RUNS starts each, the game's as a ratio to the bare window's, and each one's
# peak resident memory (VmHWM) at that moment. Starts alternate between the two programs so that
# both see the same load. The first start after installation (no card-back cache) is measured
# separately.
# usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-11}
source "$(dirname "${BASH_SOURCE[0]}")/private_screen.sh"
private_screen 1600x1200
export STARTUP_PROBE_HWM=1
# A pixel of the felt, painted only when the table is on the screen; the bare window paints
# itself in the felt's colour.
game() { "$build/bench/startup_probe" 800 750 188338 "$build/src/app/quintrick"; }
bare() { "$build/bench/startup_probe" 800 750 188338 "$build/bench/bare_window" 1600 1200; }
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
game >/dev/null  # first start: writes the profile's defaults
: >"$work/game" && : >"$work/bare" && : >"$work/first"
for _ in $(seq "$runs"); do
    game >>"$work/game"
    bare >>"$work/bare"
    find "$XDG_CACHE_HOME" -name CardBackTen.bmp -delete
    game >>"$work/first"
done
g=$(cut -d' ' -f1 "$work/game" | median)
b=$(cut -d' ' -f1 "$work/bare" | median)
f=$(cut -d' ' -f1 "$work/first" | median)
gm=$(cut -d' ' -f2 "$work/game" | median)
bm=$(cut -d' ' -f2 "$work/bare" | median)
fm=$(cut -d' ' -f2 "$work/first" | median)
echo "bare Qt window, first paint:                    $b ms, VmHWM $bm kB (median of $runs)"
echo "game, first painted table (card-back cache):    $g ms, VmHWM $gm kB"
echo "game, first painted table (no card-back cache): $f ms, VmHWM $fm kB"
awk -v g="$g" -v b="$b" -v f="$f" 'BEGIN {
    printf "ratio game / bare window: %.2f (no cache: %.2f)\n", g / b, f / b }'
