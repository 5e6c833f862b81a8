#!/bin/bash
# The saved match on a real desktop (Xvfb with openbox, started here), with the real binary:
#  1. A match at the fastest speed is played (xdotool double-clicks the human's cards) until the
#     human has played two tricks and is to play again; the game is killed with SIGKILL.
#  2. Started again, it asks whether to continue (screenshot resume-question.png); Yes (Return)
#     puts the table back (screenshot resume-restored.png): the game number and the human's
#     cards on the screen are, pixel for pixel, those of the saved file drawn by a view of its
#     own (desktop-scenes saved FILE), and differ from the hand the match began with.
#  3. SIGTERM with the close question open and then with the settings menu open (a logout in the
#     middle of a game): the game ends within 5 seconds with status 0, the saved match is a
#     whole, readable file of the same match (written at that moment when no question is open),
#     and the records hold no match given up.
# The game runs in Japanese (--lang ja) whatever the locale.
# Usage: resume.sh <quintrick> <desktop-scenes> <output folder for the screenshots>
set -uo pipefail
binary=$1
scenes=$2
out=$3
mkdir -p "$out"
source "$(dirname "${BASH_SOURCE[0]}")/desktop_lib.sh"
# xdotool waiting for a window to become active waits for ever when it never does.
xdo() { timeout 5 xdotool "$@"; }

# A field of the saved match: "game", "turn", "busy", "hand4" (the human's cards), "count4",
# "records" (the number of finished games the records part holds, or "none").
field() {
    python3 - "$1" "$2" <<'PY' 2>/dev/null
import json, sys
d = json.load(open(sys.argv[1]))
s = d["state"]
f = sys.argv[2]
if f == "hand4": print(",".join(map(str, s["hand"][4][:s["handCount"][4]])))
elif f == "count4": print(s["handCount"][4])
elif f == "records": print(len(d["records"]["games"]) if "records" in d else "none")
else: print(s[f])
PY
}
crop() { # screenshot, "x y w h", output
    read -r cx cy cw ch <<<"$2"
    convert "$1" -crop "${cw}x${ch}+${cx}+${cy}" +repage "$3"
}
differing() { # two pictures: the number of pixels that differ
    compare -metric AE "$1" "$2" null: 2>&1 | awk '{print int($1)}'
}
# Waits up to 15 s for a visible window named "Quintrick" other than the game window.
box_of() {
    local id
    for _ in $(seq 150); do
        id=$(xdotool search --onlyvisible --name '^Quintrick$' 2>/dev/null | grep -vx "$1" | head -1)
        [[ -n $id ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
# Ends the running game with a signal; sets `took` (seconds) and `status` (its exit status).
end_with() {
    local started=$SECONDS
    kill "-$1" "$game"
    for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.05; done
    if kill -0 "$game" 2>/dev/null; then
        kill -9 "$game"
        status=timeout
    else
        wait "$game"
        status=$?
    fi
    game=
    took=$((SECONDS - started))
}

start_desktop 1600x1200
fresh_profile $'AutoStart=1\nEntryNo=4\nSpeed=1\nRuleRem=0\nGamen=1200'
saved=$XDG_DATA_HOME/Orvendel/Quintrick/match.json
records=$XDG_DATA_HOME/Orvendel/Quintrick/records.sqlite

# 1. Play until the human has played two tricks and waits to play again, then SIGKILL.
"$binary" --lang ja >/dev/null 2>&1 &
game=$!
main=$(window '^Quintrick$') || { echo "FAIL: no game window"; exit 1; }
settled "$main"
read -r gx gy gw gh <<<"$(outer "$main")"
sleep 1
import -window root "$work/first.png"
ready=""
step=0
end=$((SECONDS + 90))
while ((SECONDS < end)); do
    ((++step % 50 == 0)) && echo "after $step clicks: $(field "$saved" count4) cards, turn $(field "$saved" turn)"
    if [[ -f $saved && $(field "$saved" count4) -le 8 && $(field "$saved" turn) == 4 &&
        $(field "$saved" busy) == 1 ]]; then
        sleep 1
        # Still waiting for the human (nothing moved): the table is the saved one.
        [[ $(field "$saved" count4) -le 8 && $(field "$saved" turn) == 4 ]] && { ready=1; break; }
    fi
    box=$(xdotool search --onlyvisible --name '.' 2>/dev/null | grep -vx "$main" | head -1)
    [[ -n $box ]] && xdo windowactivate --sync "$box" key Return 2>/dev/null
    # Across the human's hand; cards that may not be played stay silently.
    xdotool mousemove $((gx + 340 + 16 * (step % 30))) $((gy + 790)) click --repeat 2 --delay 60 1
    sleep 0.2
    xdotool mousemove $((gx + 600)) $((gy + 60))
done
check $([[ -n $ready ]]; echo $?) "the human played two tricks and waits ($(field "$saved" count4) cards)"
[[ -n $ready ]] || { import -window root "$out/resume-stuck.png"; exit 1; }
kill -9 "$game"
wait "$game" 2>/dev/null
game=
cp "$saved" "$work/killed.json"
number=$(field "$work/killed.json" game)
hand=$(field "$work/killed.json" hand4)

# 2. Started again: the question, Yes, and the table as it was saved.
"$binary" --lang ja >/dev/null 2>&1 &
game=$!
main=$(window '^Quintrick$')
settled "$main"
box=$(box_of "$main")
check $? "the question whether to continue"
[[ -n $box ]] && settled "$box"
sleep 0.5
import -window root "$work/question.png"
read -r gx gy gw gh <<<"$(outer "$main")"
crop "$work/question.png" "$gx $gy $gw $gh" "$out/resume-question.png"
xdo windowactivate --sync "$box" key Return 2>/dev/null
sleep 2
import -window root "$work/restored.png"
crop "$work/restored.png" "$gx $gy $gw $gh" "$out/resume-restored.png"
[[ $(field "$saved" game) == "$number" && $(field "$saved" hand4) == "$hand" ]]
check $? "the saved match goes on from game $number with the hand $hand"

# The same file drawn by a view of its own (no game running there), in the same place.
home=$HOME
fresh_profile $'AutoStart=0\nSpeed=1\nRuleRem=0\nGamen=1200'
"$scenes" saved "$work/killed.json" >"$work/scene.txt" 2>/dev/null &
scene=$!
pids+=("$scene")
for _ in $(seq 150); do grep -q ready "$work/scene.txt" && break; sleep 0.1; done
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache \
    XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/run
sceneWindow=$(xdotool search --onlyvisible --pid "$scene" --name '^Quintrick$' 2>/dev/null | head -1)
[[ -n $sceneWindow ]] && xdo windowactivate --sync "$sceneWindow" 2>/dev/null
sleep 0.5
import -window root "$work/scene.png"
kill "$scene"
for what in hand game; do
    rect=$(awk -v w=$what '$1 == w {print $2, $3, $4, $5}' "$work/scene.txt")
    [[ -n $rect ]] || { check 1 "the scene gave no $what rectangle"; continue; }
    crop "$work/restored.png" "$rect" "$work/$what-restored.png"
    crop "$work/scene.png" "$rect" "$work/$what-scene.png"
    crop "$work/first.png" "$rect" "$work/$what-first.png"
    same=$(differing "$work/$what-restored.png" "$work/$what-scene.png")
    colours=$(convert "$work/$what-restored.png" -format %k info:)
    [[ $same == 0 && $colours -gt 20 ]]
    check $? "the restored $what ($rect) is the saved one: $same pixels differ, $colours colours"
done
changed=$(differing "$work/hand-restored.png" "$work/hand-first.png")
((changed > 1000))
check $? "the restored hand is not the one the match began with ($changed pixels differ)"

# 3. SIGTERM while the restored game waits for the human, then with the close question open, then
#    with the settings menu open; each time the game is started again and continued.
for during in play question menu; do
    if [[ $during != play ]]; then
        "$binary" --lang ja >/dev/null 2>&1 &
        game=$!
        main=$(window '^Quintrick$')
        box=$(box_of "$main") && xdo windowactivate --sync "$box" key Return 2>/dev/null
        sleep 1
    fi
    if [[ $during == question ]]; then
        xdo windowactivate --sync "$main" key alt+F4 2>/dev/null
        open=$(box_of "$main")
    else
        xdo windowactivate --sync "$main" key F2 2>/dev/null
        sleep 0.5
        # The popup menu has no name: the game's other visible window.
        open=$(xdotool search --onlyvisible --pid "$game" 2>/dev/null | grep -vx "$main" | head -1)
    fi
    [[ $during == play ]] || check $([[ -n $open ]]; echo $?) "the $during is open"
    touch -d '2000-01-01' "$saved"
    end_with TERM
    [[ $status == 0 && $took -le 5 ]]
    check $? "SIGTERM with the $during open: ended with status $status in ${took}s"
    [[ $(field "$saved" game) == "$number" && $(field "$saved" records) != none &&
        $(field "$saved" hand4) == "$hand" ]]
    check $? "the match is saved whole: game $(field "$saved" game), hand $(field "$saved" hand4)"
    if [[ $during != question ]]; then
        # No question open: written at that moment.
        (($(stat -c %Y "$saved") > $(date -d '2001-01-01' +%s)))
        check $? "written when the signal came"
    fi
done
matches=$(python3 -c "import sqlite3,sys; print(sqlite3.connect(sys.argv[1]).execute('SELECT COUNT(*) FROM matches').fetchone()[0])" "$records" 2>&1)
[[ $matches == 0 ]]
check $? "no match given up in the records ($matches)"
stop_desktop
exit $fail
