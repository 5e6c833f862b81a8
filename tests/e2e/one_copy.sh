#!/bin/bash
# One game per profile, on a real desktop (Xvfb with openbox):
#  1. A second start on the profile of a running game ends at once with status 0 and brings the
#     running game's window to the front (it was minimised); the running game plays on, and the
#     match it plays is not recorded by the second start.
#  2. A peek process ("/W") still starts beside the running game.
#  3. A game killed outright leaves its lock behind; the next start takes it over and runs.
# Usage: one_copy.sh <quintrick> <output folder>
set -uo pipefail
binary=$1
out=$2
mkdir -p "$out"
source "$(dirname "$0")/desktop_lib.sh"

matches() { # rows in the records' matches table (0 without records)
    python3 - "$XDG_DATA_HOME/Orvendel/Quintrick/records.sqlite" <<'PY'
import os, sqlite3, sys
path = sys.argv[1]
if not os.path.exists(path):
    print(0)
else:
    print(sqlite3.connect(path).execute("select count(*) from matches").fetchone()[0])
PY
}

start_desktop 1200x900
fresh_profile $'AutoStart=1\nEntryNo=4\nSpeed=17\nRuleRem=0\nGamen=640'
"$binary" --lang ja >"$work/first.log" 2>&1 &
game=$!
main=$(window '^Quintrick$')
check $? "the first game's window opened"
settled "$main"
eventually 10 test -f "$XDG_DATA_HOME/Orvendel/Quintrick/match.json"
check $? "the first game plays a match and keeps it"

# A question the game opens meanwhile brings its window back (the window manager shows the
# parent of a new dialog): minimised again until it stays so for a second.
minimised() { ! xdotool search --onlyvisible --name '^Quintrick$' | grep -qx "$main"; }
for _ in 1 2 3 4 5; do
    xdotool windowminimize --sync "$main" 2>/dev/null
    sleep 1
    minimised && break
done
minimised
check $? "the first window is minimised"

begin=$(date +%s%N)
timeout 20 "$binary" --lang ja >"$work/second.log" 2>&1
status=$?
elapsed=$((($(date +%s%N) - begin) / 1000000))
echo "the second start ended after $elapsed ms with status $status"
[[ $status == 0 ]]
check $? "the second start ends with status 0"
eventually 10 bash -c "xdotool search --onlyvisible --name '^Quintrick\$' | grep -qx $main"
check $? "the first window is shown again"
# The active window is the game's own, or a question of the game over it (a dialog transient for
# the game's window: the match plays on while it is minimised).
active_is_main() {
    local active
    active=$(xdotool getactivewindow 2>/dev/null) || return 1
    [[ $active == "$main" ]] && return 0
    [[ $(xprop -id "$active" WM_TRANSIENT_FOR 2>/dev/null) == *"# $(printf '0x%x' "$main")" ]]
}
eventually 10 active_is_main
check $? "the first window (or its question) is the active one"
grep -q "comes to the front" "$work/first.log"
check $? "the first game was asked to come forward"
kill -0 "$game"
check $? "the first game plays on"
[[ $(matches) == 0 ]]
check $? "nothing recorded by the second start ($(matches) matches)"
import -window root "$out/one-copy.png"

# 2. The peek process is not a second game.
"$binary" /W >"$work/peek.log" 2>&1 &
peek=$!
pids+=("$peek")
sleep 1.5
kill -0 "$peek"
check $? "a peek process starts beside the running game"
kill "$peek" 2>/dev/null

# 3. A lock left by a killed game.
kill -9 "$game"
wait "$game" 2>/dev/null
game=
"$binary" --lang ja >"$work/third.log" 2>&1 &
game=$!
third=$(window '^Quintrick$')
check $? "a start after a killed game runs (its lock taken over)"
sleep 0.5
kill -0 "$game"
check $? "and keeps running"

exit $fail
