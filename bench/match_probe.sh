#!/bin/bash
# One whole match on the real view at the 1600 x 1200 size (bench/match_probe.cpp): the peak
# resident memory, against a bare Qt window of the same size measured in the same run
# (bench/bare_window, its VmHWM once painted), and the event-to-paint times of a card played by a
# tick and of a drag's mouse moves; on a private Xvfb screen and a fresh profile.
# MATCH_PROBE_STAGES=1 in the environment also shows the memory after each step of the start and
# after each game. A third run shows the real start-up help box before the match (text drawn, as
# a start by default does; the first two draw no text).
# usage: bench/match_probe.sh [BUILD_DIR] [SEED]
set -euo pipefail
build=${1:-build}
seed=${2:-1}
source "$(dirname "${BASH_SOURCE[0]}")/private_screen.sh"
private_screen 1920x1440
export SDL_AUDIODRIVER=dummy
bare=$(STARTUP_PROBE_HWM=1 "$build/bench/startup_probe" 800 600 188338 \
    "$build/bench/bare_window" 1600 1200 | cut -d' ' -f2)
echo "bare Qt window 1600 x 1200, VmHWM once painted: $bare kB"
# The first start composes the card-back strip and stores it; later starts read it back.
echo "first start (no card-back cache):"
"$build/bench/match_probe" "$seed" | sed 's/^/  /'
echo "a later start (card-back cache):"
"$build/bench/match_probe" "$seed" | sed 's/^/  /'
echo "a later start that shows the start-up help box first (text drawn, as by default):"
MATCH_PROBE_TEXT=1 "$build/bench/match_probe" "$seed" | sed 's/^/  /'
