#!/bin/bash
# The windows on a real desktop: Xvfb with the openbox window manager, started here.
#  1. At each of the six automatic size choices (a fresh profile on a screen of that height) the
#     game window's outer rectangle, frame included, is the chosen size and lies on the screen.
#  2. The map window opened through the settings menu and closed five times stores the same
#     rectangle each time, and opens centred on the game window.
#  3. The close question is a Japanese Yes/No box (screenshot yes-no-ja.png).
#  4. The suit dialog naming the trump in battle 2 hides neither show card nor the hand, and the
#     question whether to play on hides nothing of the score table; both inside the game window
#     (screenshots trump-choice.png, continue.png).
#  5. The peek window opens beside the game window where the screen has room (else over the
#     table's empty lower corner), transient for the game window and above it after a click on
#     the game, never above every program, and never with the keyboard focus: after it opens and
#     after a click on it, F1 still opens the game's menu (screenshots peek-beside.png,
#     peek-corner.png).
# The game runs in Japanese (--lang ja) whatever the locale.
# Usage: desktop.sh <quintrick> <desktop-scenes> <output folder for the screenshots>
set -uo pipefail
binary=$1
scenes=$2
out=$3
mkdir -p "$out"
source "$(dirname "${BASH_SOURCE[0]}")/desktop_lib.sh"

# Answers every box the game opens (Return) until only the game window is left.
answer_boxes() {
    local other
    for _ in $(seq 20); do
        sleep 0.2
        other=$(xdotool search --onlyvisible --name '.' 2>/dev/null | grep -vx "$main" | head -1)
        [[ -z $other ]] && return 0
        xdotool windowactivate --sync "$other" key Return 2>/dev/null
    done
}
# Opens one of the game's menus with its key (F1 the game menu, F2 the settings menu): true once
# a new window of the game process appears. The game ignores keys while a call plate is on view
# (up to two seconds at the slowest speed): a few tries.
open_menu() {
    local before after
    before=$(xdotool search --onlyvisible --pid "$game" 2>/dev/null | sort)
    for _ in 1 2 3 4; do
        xdotool key "$1"
        for _ in $(seq 25); do
            sleep 0.1
            after=$(xdotool search --onlyvisible --pid "$game" 2>/dev/null | sort)
            [[ -n $(comm -13 <(echo "$before") <(echo "$after")) ]] && return 0
        done
    done
    return 1
}
inside() { # x y w h inside X Y W H
    (($1 >= $5 && $2 >= $6 && $1 + $3 <= $5 + $7 && $2 + $4 <= $6 + $8))
}
apart() { # x y w h apart from X Y W H
    (($1 + $3 <= $5 || $5 + $7 <= $1 || $2 + $4 <= $6 || $6 + $8 <= $2))
}

# 1. The six automatic choices.
for screen in 1600x1200:1600 1400x1050:1400 1200x900:1200 1024x768:1024 800x600:800 640x480:640; do
    size=${screen%%:*}
    start_desktop "$size"
    fresh_profile $'RuleRem=0'
    "$binary" --lang ja >/dev/null 2>&1 &
    game=$!
    main=$(window '^Quintrick$')
    settled "$main"
    read -r x y w h <<<"$(outer "$main")"
    gamen=$(entry Gamen)
    sw=${size%x*} sh=${size#*x}
    [[ $gamen == "${screen#*:}" && $w == "$gamen" && $h == $((gamen / 4 * 3)) ]] &&
        inside "$x" "$y" "$w" "$h" 0 0 "$sw" "$sh"
    check $? "screen $size: Gamen ${gamen:-?}, outer ${w:-?}x${h:-?} at ${x:-?},${y:-?}"
done

# 2. and 3. The map window five times, then the close question, on the largest screen.
start_desktop 1600x1200
fresh_profile $'AutoStart=1\nEntryNo=4\nSpeed=1\nRuleRem=0'
"$binary" --lang ja >/dev/null 2>&1 &
game=$!
main=$(window '^Quintrick$')
settled "$main"
answer_boxes
read -r gx gy gw gh <<<"$(outer "$main")"
rects=()
for cycle in 1 2 3 4 5; do
    map=""
    for attempt in 1 2 3; do
        answer_boxes
        xdotool windowactivate --sync "$main" 2>/dev/null
        open_menu F2 || continue
        xdotool key m
        map=$(window '国盗りモード') && break
        xdotool key Escape
    done
    [[ -n $map ]] || { check 1 "the map window did not open ($cycle)"; break; }
    settled "$map"
    read -r mx my mw mh <<<"$(outer "$map")"
    read -r gx gy gw gh <<<"$(outer "$main")"
    dx=$((mx + mw / 2 - gx - gw / 2)) dy=$((my + mh / 2 - gy - gh / 2))
    ((dx * dx + dy * dy <= 9))
    check $? "map $cycle centred on the game window (off by $dx,$dy)"
    xdotool windowactivate --sync "$map" key Escape 2>/dev/null
    for _ in $(seq 50); do xdotool search --onlyvisible --name '国盗りモード' >/dev/null || break; sleep 0.1; done
    rects+=("$(entry PX) $(entry PY) $(entry SX) $(entry SY)")
done
[[ ${#rects[@]} == 5 && $(printf '%s\n' "${rects[@]}" | sort -u | wc -l) == 1 && ${rects[0]} == *" 640 538" ]]
check $? "the stored map rectangle stays ${rects[0]:-?} over five openings (${rects[*]})"

box=""
for attempt in 1 2 3; do
    xdotool windowactivate --sync "$main" key alt+F4 2>/dev/null
    for _ in $(seq 50); do
        box=$(xdotool search --onlyvisible --name '^Quintrick$' 2>/dev/null | grep -vx "$main" | head -1)
        [[ -n $box ]] && break 2
        sleep 0.1
    done
done
[[ -n $box ]] && settled "$box"
sleep 0.3
import -window root "$out/yes-no-ja-screen.png"
[[ -n $box ]] && import -window root -crop "$(outer "$box" | awk '{print $3"x"$4"+"$1"+"$2}')" "$out/yes-no-ja.png"
check $? "the close question opened"
xdotool windowactivate --sync "$box" key Escape 2>/dev/null
kill -0 "$game"
check $? "No keeps the game running"

# 4. The two questions that must not hide what they are about, at the recommended size.
for scene in trump continue; do
    start_desktop 1200x900
    fresh_profile $'AutoStart=1\nEntryNo=4\nSpeed=17\nRuleRem=0\nGamen=1200'
    "$scenes" "$scene" >"$work/$scene.txt" 2>/dev/null &
    game=$!
    main=$(window '^Quintrick$')
    answer_boxes
    dialog=""
    name='^Quintrick$'
    [[ $scene == trump ]] && name='^紋の指定$'
    for _ in $(seq 150); do
        if grep -q keep "$work/$scene.txt" 2>/dev/null; then
            dialog=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | grep -vx "$main" | head -1)
        fi
        [[ -n $dialog ]] && break
        sleep 0.1
    done
    [[ -n $dialog ]] && settled "$dialog"
    sleep 0.3
    read -r gx gy gw gh <<<"$(xwininfo -id "$main" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}')"
    read -r dx dy dw dh <<<"$(outer "$dialog")"
    import -window root "$out/$scene.png"
    ok=0
    inside "$dx" "$dy" "$dw" "$dh" "$gx" "$gy" "$gw" "$gh" || ok=1
    while read -r word kx ky kw kh; do
        [[ $word == keep ]] || continue
        apart "$dx" "$dy" "$dw" "$dh" "$kx" "$ky" "$kw" "$kh" || { ok=1; echo "covers $kx $ky $kw $kh"; }
    done <"$work/$scene.txt"
    check $ok "$scene: the question at $dx,$dy ${dw}x$dh inside the game window, clear of $(grep -c keep "$work/$scene.txt") areas"
    xdotool windowactivate --sync "$dialog" key Return 2>/dev/null
done
# 5. The peek window, beside a small game window and over the corner of a full-screen one.
stacked_above() { # window, window: the first lies above the second in the stacking order
    local list
    list=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr -d ,)
    local a b i=0 w
    for w in $list; do
        ((w == $1)) && a=$i
        ((w == $2)) && b=$i
        i=$((i + 1))
    done
    [[ -n ${a:-} && -n ${b:-} ]] && ((a > b))
}
active() { xprop -root _NET_ACTIVE_WINDOW | sed 's/.*# //' | tr -d ,; }
# The game window has the focus and the given window lies above it.
game_active_under() { [[ $(active) == "$(printf '0x%x' "$main")" ]] && stacked_above "$1" "$main"; }
# The visible window of the program that is not the game's own process, waiting up to 5 s.
peek_window() {
    local w
    for _ in $(seq 50); do
        for w in $(xdotool search --onlyvisible --class '^Quintrick$' 2>/dev/null); do
            [[ $(xdotool getwindowpid "$w" 2>/dev/null) != "$game" ]] && { echo "$w"; return 0; }
        done
        sleep 0.1
    done
    return 1
}
f1_opens_menu() { open_menu F1 && xdotool key Escape; }
for gamen in 640 1600; do
    start_desktop 1600x1200
    fresh_profile $'AutoStart=1\nEntryNo=4\nSpeed=17\nRuleRem=0\nGamen='$gamen
    "$binary" --lang ja >/dev/null 2>&1 &
    game=$!
    main=$(window '^Quintrick$')
    settled "$main"
    peek=""
    for attempt in 1 2 3; do
        answer_boxes
        xdotool windowactivate --sync "$main" 2>/dev/null
        open_menu F1 || continue
        xdotool key c
        sleep 0.3
        xdotool key Return
        peek=$(peek_window) && break
        xdotool key Escape Escape
    done
    [[ -n $peek ]] || { check 1 "$gamen: the peek window did not open"; continue; }
    settled "$peek"
    read -r gx gy gw gh <<<"$(outer "$main")"
    read -r px py pw ph <<<"$(outer "$peek")"
    [[ $(active) == "$(printf '0x%x' "$main")" ]]
    check $? "$gamen: the game keeps the focus when the peek window opens"
    xprop -id "$peek" WM_TRANSIENT_FOR | grep -qi "# $(printf '0x%x' "$main")\$" &&
        ! xprop -id "$peek" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE
    check $? "$gamen: the peek window is transient for the game window, not above every program"
    if ((gamen == 640)); then
        apart "$px" "$py" "$pw" "$ph" "$gx" "$gy" "$gw" "$gh" && ((px >= gx + gw)) &&
            inside "$px" "$py" "$pw" "$ph" 0 0 1600 1200
        check $? "640: the peek window at $px,$py ${pw}x$ph beside the game window at $gx,$gy ${gw}x$gh"
        shot=peek-beside
    else
        inside "$px" "$py" "$pw" "$ph" 0 0 1600 1200 && ((px >= gx + gw / 2 && py >= gy + gh * 7 / 10))
        check $? "1600: the peek window at $px,$py ${pw}x$ph over the table's lower right corner"
        shot=peek-corner
    fi
    # A click on the table, then one on the peek window: it stays above, the keys stay with the game.
    xdotool mousemove $((gx + gw / 2)) $((gy + gh / 2)) click 1
    sleep 0.5
    eventually 3 stacked_above "$peek" "$main"
    check $? "$gamen: the peek window stays above the game window after a click on the game"
    xdotool mousemove $((px + pw / 2)) $((py + ph / 2)) click 1
    sleep 0.5
    eventually 3 game_active_under "$peek"
    check $? "$gamen: a click on the peek window leaves the focus with the game (active $(active))"
    f1_opens_menu
    check $? "$gamen: after a click on the peek window F1 still opens the game's menu"
    import -window root "$out/$shot-screen.png"
    import -window root -crop "$(awk -v a="$gx $gy $gw $gh" -v b="$px $py $pw $ph" 'BEGIN {
        split(a, g, " "); split(b, p, " ");
        l = g[1] < p[1] ? g[1] : p[1]; t = g[2] < p[2] ? g[2] : p[2];
        r = g[1] + g[3] > p[1] + p[3] ? g[1] + g[3] : p[1] + p[3];
        d = g[2] + g[4] > p[2] + p[4] ? g[2] + g[4] : p[2] + p[4];
        printf "%dx%d+%d+%d", r - l, d - t, l, t }')" "$out/$shot.png"
done
stop_desktop
exit $fail
