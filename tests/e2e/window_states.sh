#!/bin/bash
# The game window on a real desktop (Xvfb with openbox) at any size: maximised by a double click
# on its title bar, full screen with F11 (Escape leaves it, back to maximised), restored by a
# second double click to the size it had, resized freely; after a restart the stored state and
# normal size come back. In every state the table's 4:3 area is centred in the client area, the
# margins in the table's background (screenshots in the output folder).
# Usage: window_states.sh <quintrick> <output folder for the screenshots>
set -uo pipefail
binary=$1
out=$2
mkdir -p "$out"
source "$(dirname "${BASH_SOURCE[0]}")/desktop_lib.sh"

screen_w=1920 screen_h=1080
# The client rectangle "x y w h" of a window (its frame left out).
client() {
    local info
    info=$(xwininfo -id "$1" 2>/dev/null) || return 1
    awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2}
         /Height:/{h=$2} END{print x, y, w, h}' <<<"$info"
}
net_state() { xprop -id "$1" _NET_WM_STATE 2>/dev/null; }
# Waits until the client rectangle stays put for a few tenths of a second and the game has
# painted it; prints it.
still() {
    local last="" now
    for _ in $(seq 60); do
        now=$(client "$1")
        [[ -n $now && $now == "$last" ]] && { sleep 0.5; client "$1"; return 0; }
        last=$now
        sleep 0.2
    done
    client "$1"
}
# Checks that the table drawn in the client rectangle is the centred 4:3 area: along the top rows
# the first and the last pixel that differ from the margin's colour are the trump indicator's
# left edge (10 of the table's 1200 units) and the counter panel's right edge (1170); from them
# come the table's scale and left edge, which must be where the centred area puts them.
centred() { # name x y w h
    local name=$1 x=$2 y=$3 w=$4 h=$5 rows left right top
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/$name.png" 2>/dev/null
    # The top sixth of where the table must lie: its height is that of the area.
    local tall=$(( w * 3 <= h * 4 ? w * 3 / 4 : h ))
    top=$(( (h - tall) / 2 ))
    rows=$((tall / 6))
    read -r left right <<<"$(convert "$out/$name.png" -crop "${w}x${rows}+0+${top}" +repage -depth 8 txt:- |
        awk -F'[,:() ]+' 'NR > 1 {
            x = $1; y = $2; r = $4; g = $5; b = $6
            if (x == 0) { r0 = r; g0 = g; b0 = b; next }
            d = (r > r0 ? r - r0 : r0 - r) + (g > g0 ? g - g0 : g0 - g) + (b > b0 ? b - b0 : b0 - b)
            if (d > 24) { if (min == "" || x < min) min = x; if (x > max) max = x }
        } END { print min, max }')"
    [[ -n $left && -n $right ]] || { check 1 "$name: no table found in ${w}x${h}"; return; }
    local area=$(( w * 3 <= h * 4 ? w : h * 4 / 3 ))
    local expected=$(( (w - area / 4 * 4) / 2 ))
    # left = L + 10 s and right = L + 1170 s - 1 with s = area / 1200.
    local found=$(( left - (right + 1 - left) * 10 / 1160 ))
    local scaled=$(( (right + 1 - left) * 1200 / 1160 ))
    (( found >= expected - 3 && found <= expected + 3 && scaled >= area - 6 && scaled <= area + 6 ))
    check $? "$name: client ${w}x${h}, table ${scaled} wide at x ${found} (centred: ${area} at ${expected})"
}
titlebar_double_click() {
    local x y w h
    read -r x y w h <<<"$(outer "$1")"
    xdotool mousemove $((x + w / 2)) $((y + 6)) click --repeat 2 --delay 80 1
}

start_desktop "${screen_w}x${screen_h}"
fresh_profile $'RuleRem=0'
"$binary" --lang ja >/dev/null 2>&1 &
game=$!
main=$(window '^Quintrick$')
settled "$main"
read -r x y w h <<<"$(still "$main")"
check $(( w > 0 && h > 0 ? 0 : 1 )) "the window opened at ${w}x${h}"
read -r _ _ first_w first_h <<<"$(client "$main")"

titlebar_double_click "$main"
eventually 10 bash -c "xprop -id $main _NET_WM_STATE | grep -q MAXIMIZED_HORZ"
check $? "a double click on the title bar maximises the window"
read -r x y w h <<<"$(still "$main")"
(( w > first_w && h > first_h ))
check $? "maximised: the client grew from ${first_w}x${first_h} to ${w}x${h}"
centred maximised "$x" "$y" "$w" "$h"

xdotool windowactivate --sync "$main" key F11 2>/dev/null
eventually 10 bash -c "xprop -id $main _NET_WM_STATE | grep -q FULLSCREEN"
check $? "F11 puts the window in full screen"
read -r x y w h <<<"$(still "$main")"
[[ "$x $y $w $h" == "0 0 $screen_w $screen_h" ]]
check $? "full screen covers the screen ($x $y $w $h)"
centred full-screen "$x" "$y" "$w" "$h"

xdotool windowactivate --sync "$main" key Escape 2>/dev/null
eventually 10 bash -c "! xprop -id $main _NET_WM_STATE | grep -q FULLSCREEN"
check $? "Escape leaves full screen"
net_state "$main" | grep -q MAXIMIZED_HORZ
check $? "back to maximised, the state it came from"

titlebar_double_click "$main"
eventually 10 bash -c "! xprop -id $main _NET_WM_STATE | grep -q MAXIMIZED"
check $? "a second double click restores the window"
read -r x y w h <<<"$(still "$main")"
[[ $w == "$first_w" && $h == "$first_h" ]]
check $? "restored to ${first_w}x${first_h} (${w}x${h})"

# A free size, far from 4:3: margins at the sides.
xdotool windowsize --sync "$main" 1300 640 2>/dev/null
read -r x y w h <<<"$(still "$main")"
[[ $w == 1300 && $h == 640 ]]
check $? "resized freely to 1300x640 (${w}x${h})"
centred wide "$x" "$y" "$w" "$h"
xdotool windowsize --sync "$main" 700 900 2>/dev/null
read -r x y w h <<<"$(still "$main")"
centred tall "$x" "$y" "$w" "$h"

# Maximised with a normal size of 700 x 900, closed (no game: no question), started again.
titlebar_double_click "$main"
eventually 10 bash -c "xprop -id $main _NET_WM_STATE | grep -q MAXIMIZED_HORZ"
sleep 0.5
xdotool windowactivate --sync "$main" key alt+F4 2>/dev/null
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$game" 2>/dev/null
check $? "the game closed"
state=$(sed -n 's/^WindowState=//p' "$conf") width=$(sed -n 's/^Width=//p' "$conf")
height=$(sed -n 's/^Height=//p' "$conf")
[[ $state == 1 && $width == 700 && $height == 900 ]]
check $? "stored: state ${state:-?}, normal size ${width:-?}x${height:-?}"

"$binary" --lang ja >/dev/null 2>&1 &
game=$!
main=$(window '^Quintrick$')
settled "$main"
eventually 10 bash -c "xprop -id $main _NET_WM_STATE | grep -q MAXIMIZED_HORZ"
check $? "after a restart the window is maximised again"
read -r x y w h <<<"$(still "$main")"
centred restarted "$x" "$y" "$w" "$h"
titlebar_double_click "$main"
eventually 10 bash -c "! xprop -id $main _NET_WM_STATE | grep -q MAXIMIZED"
read -r x y w h <<<"$(still "$main")"
[[ $w == 700 && $h == 900 ]]
check $? "restored after the restart to the stored 700x900 (${w}x${h})"

xdotool windowactivate --sync "$main" key F11 2>/dev/null
eventually 10 bash -c "xprop -id $main _NET_WM_STATE | grep -q FULLSCREEN"
sleep 0.5
xdotool windowactivate --sync "$main" key alt+F4 2>/dev/null
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
"$binary" --lang ja >/dev/null 2>&1 &
game=$!
main=$(window '^Quintrick$')
eventually 10 bash -c "xprop -id $main _NET_WM_STATE | grep -q FULLSCREEN"
check $? "full screen survives a restart too"
xdotool windowactivate --sync "$main" key Escape 2>/dev/null
eventually 10 bash -c "! xprop -id $main _NET_WM_STATE | grep -q FULLSCREEN"
read -r x y w h <<<"$(still "$main")"
[[ $w == 700 && $h == 900 ]]
check $? "Escape after the restart gives the normal 700x900 back (${w}x${h})"
exit $fail
