#!/bin/sh
# tools/sim-compare --gap: the share of the rules -> cheat gap a policy closes, from traces.
set -eu
compare=$1
sim=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# Three matches whose human points are known: the policy lies halfway in every match, so the
# share is 50 % in every resample; a second policy at the rules' level closes nothing.
trace() {
    for i in 1 2 3; do
        printf '{"ev":"match","index":%d,"character":0}\n' "$i"
        printf '{"ev":"stones","player":4,"character":0,"delta":%d,"stored":0}\n' "$(($1 + 2 * i))"
    done >"$dir/$2.jsonl"
}
trace 0 rules
trace 10 cheat
trace 5 half
trace 0 none
"$compare" --gap "$dir/rules.jsonl" "$dir/cheat.jsonl" "$dir/half.jsonl" "$dir/none.jsonl" \
    >"$dir/out"
grep -q "matches: 3" "$dir/out"
grep -q "half.jsonl: closes 50.0 % of the rules -> cheat gap, 95 % bootstrap interval 50.0 .. 50.0 %" "$dir/out"
grep -q "none.jsonl: closes 0.0 %" "$dir/out"
# Real traces of the same matches with fixed deals.
for p in rules cheat strong; do
    "$sim" --matches 4 --start 900 --jobs 1 --fixed-deals --samples 4 --human-policy $p \
        --trace "$dir/$p.jsonl" >/dev/null
done
"$compare" --gap "$dir/rules.jsonl" "$dir/cheat.jsonl" "$dir/strong.jsonl" >"$dir/out"
grep -q "matches: 4" "$dir/out"
grep -Eq "strong.jsonl: closes -?[0-9.]+ % of the rules -> cheat gap, 95 % bootstrap interval" \
    "$dir/out" || grep -q "no gap to close" "$dir/out"
# Bad use gives the usage text.
if "$compare" --gap "$dir/rules.jsonl" 2>/dev/null; then exit 1; fi
echo ok
