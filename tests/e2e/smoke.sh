#!/bin/bash
# End-to-end smoke: the real game under a virtual X server with a fresh profile set to automatic
# start at speed 1 plays for 20 seconds while xdotool double-clicks the human's cards; the process
# must be alive afterwards and a screenshot must show the table.
# Usage: smoke.sh <quintrick binary> [screenshot]   (run under xvfb-run -a -s "-screen 0 1200x900x24")
set -euo pipefail
binary=$1
shot=${2:-$(mktemp --suffix=.png)}
work=$(mktemp -d)
# The game saves its match when it is told to end: wait for it before its home goes.
trap 'kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_CONFIG_HOME/Orvendel" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cat > "$XDG_CONFIG_HOME/Orvendel/Quintrick.conf" <<'INI'
[Settei]
AutoStart=1
EntryNo=4
Speed=1
Gamen=1200
RuleRem=0
INI

"$binary" --lang ja & pid=$!
# The window fills the 1200 x 900 screen: base coordinates are screen pixels.
end=$((SECONDS + 20))
step=0
while (( SECONDS < end )); do
    sleep 0.25
    kill -0 "$pid" || { echo "the game ended early"; exit 1; }
    # Across the human's hand (legal or not: refused cards stay silently), then Return for any
    # box that waits.
    x=$((340 + 16 * (step++ % 30)))
    xdotool mousemove "$x" 800 click --repeat 2 --delay 60 1 || true
    xdotool key Return || true
done
kill -0 "$pid" || { echo "the game is not running after 20 s"; exit 1; }
import -window root "$shot"

pixel() { convert "$shot" -format "%[fx:int(255*p{$1,$2}.r)] %[fx:int(255*p{$1,$2}.g)] %[fx:int(255*p{$1,$2}.b)]" info:; }
fail=0
# The flag icon's red, the remaining-cards panel's blue, and the felt's green right of the hand.
read -r r g b <<<"$(pixel 22 76)";   (( r > 150 && g < 100 )) || { echo "no flag icon: $r $g $b"; fail=1; }
read -r r g b <<<"$(pixel 1000 60)"; (( b > 150 && r < 100 )) || { echo "no panel: $r $g $b"; fail=1; }
read -r r g b <<<"$(pixel 950 560)"; (( g > r + 40 && g > b + 40 )) || { echo "no felt: $r $g $b"; fail=1; }
(( fail == 0 )) && echo "smoke: alive after 20 s, table on the screen ($shot)"
exit $fail
