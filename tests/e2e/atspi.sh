#!/bin/bash
# The table through a screen reader's eyes: the real game on a virtual desktop (Xvfb with
# openbox) with its own session bus and accessibility bus, always exposing its accessibility tree
# (QT_LINUX_ACCESSIBILITY_ALWAYS_ON). atspi_trick.py, with the system Python and pyatspi, reads
# the hand, plays a card by keyboard and checks the field and the announcement; the tree during
# the trick is written to <output folder>/trick.txt.
# Usage: atspi.sh <quintrick> <output folder> [script, default atspi_trick.py] [Speed]
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [[ -z ${QUINTRICK_ATSPI_BUS:-} ]]; then
    # A session bus of our own: the accessibility bus is started on it when the game asks.
    exec env QUINTRICK_ATSPI_BUS=1 dbus-run-session -- "$0" "$@"
fi
binary=$1
out=$2
script=${3:-atspi_trick.py}
speed=${4:-9}
mkdir -p "$out"
source "$here/desktop_lib.sh"
start_desktop 1200x900
fresh_profile "AutoStart=1
EntryNo=4
Speed=$speed
Gamen=1200
RuleRem=0"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
"$binary" --lang en >"$out/game.log" 2>&1 &
game=$!
pids+=("$game")
win=$(window Quintrick) || { echo "FAIL: no game window"; exit 1; }
xdotool windowactivate "$win" 2>/dev/null || xdotool windowfocus "$win"
PYTHONDONTWRITEBYTECODE=1 PYTHONPATH=$here /usr/bin/python3 "$here/$script" "$out/${script%.py}.txt"
status=$?
kill -0 "$game" 2>/dev/null || { echo "FAIL: the game ended"; status=1; }
exit $status
