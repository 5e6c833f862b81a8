#!/bin/bash
# Start of the game to its first painted table, with and without the card-back cache, on a
# private Xvfb screen and a fresh profile: prints the median of RUNS starts of each.
# usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-11}
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
Xvfb :93 -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=:93 HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
probe() {
    # A pixel of the felt, painted only when the table is on the screen.
    "$build/bench/startup_probe" 800 750 188338 "$build/src/app/quintrick"
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
probe >/dev/null  # first start: writes the profile's defaults
with=$(for _ in $(seq "$runs"); do probe; done | median)
without=$(for _ in $(seq "$runs"); do
    find "$XDG_CACHE_HOME" -name CardBackTen.bmp -delete
    probe
done | median)
echo "first painted table, card-back cache present: $with ms (median of $runs)"
echo "first painted table, no card-back cache:      $without ms (median of $runs)"
