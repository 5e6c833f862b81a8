#!/bin/sh
# The runner's --review and --check-replay of a saved match: the games finished before it was
# saved come with it (as with the game's own match.json) and are reviewed exactly as the same
# games of the run's trace; a saved match without records is refused with the reason.
set -eu
sim=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$sim" --matches 1 --start 45000 --character 7 --stop-after-tricks 75 --save "$dir/m.json" \
    --trace "$dir/t.jsonl" >/dev/null
"$sim" --check-replay "$dir/m.json" >"$dir/check"
grep -q "; other points: 0; refused: 0; kept without moves: 0" "$dir/check"
games=$(sed -n 's/^games: \([0-9]*\);.*/\1/p' "$dir/check")
test "$games" -ge 2
grep -q "replayed to the kept points: $games;" "$dir/check"
# Each game as the trace reviews it (the first line names the file's game and the time).
for g in 1 2; do
    "$sim" --review "$dir/m.json" --game $g --samples 16 >"$dir/saved.$g"
    "$sim" --review "$dir/t.jsonl" --game $g --samples 16 >"$dir/traced.$g"
    head -n 1 "$dir/saved.$g" | grep -q "^game $g (16 worlds a play"
    grep -q "points lost to mistakes: [0-9.]*" "$dir/saved.$g"
    tail -n +2 "$dir/traced.$g" >"$dir/table"
    tail -n +2 "$dir/saved.$g" | cmp - "$dir/table"
done
# Without --game: the last game finished before the save.
"$sim" --review "$dir/m.json" --samples 16 | head -n 1 | grep -q "^game $games "
# Every game, one line each.
"$sim" --review "$dir/m.json" --game all --samples 8 | grep -q "^games: $games; mistakes: "
# A game the file does not hold, and a saved match that keeps no records.
if "$sim" --review "$dir/m.json" --game $((games + 1)) 2>"$dir/err"; then exit 1; fi
grep -q "no game $((games + 1))" "$dir/err"
printf '{}\n' >"$dir/empty.json"
if "$sim" --review "$dir/empty.json" 2>"$dir/err"; then exit 1; fi
grep -q "empty.json: " "$dir/err"
echo ok
