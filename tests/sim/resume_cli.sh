#!/bin/sh
# The runner's --stop-after-tricks/--save and --continue: the stopped trace followed by the
# continued one is the uninterrupted trace, byte for byte; a damaged file is refused.
set -eu
sim=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$sim" --matches 1 --start 31000 --character 7 --trace "$dir/whole.jsonl" >/dev/null
for k in 1 50 99; do
    "$sim" --matches 1 --start 31000 --character 7 --stop-after-tricks $k --save "$dir/m.json" \
        --trace "$dir/a.jsonl" >/dev/null
    "$sim" --continue "$dir/m.json" --trace "$dir/b.jsonl" >/dev/null
    cat "$dir/a.jsonl" "$dir/b.jsonl" | cmp - "$dir/whole.jsonl"
done
head -c 100 "$dir/m.json" >"$dir/cut.json"
if "$sim" --continue "$dir/cut.json" 2>/dev/null; then echo "a cut file was played"; exit 1; fi
# Past the end of the match: nothing saved, exit status 1.
if "$sim" --matches 1 --stop-after-tricks 100000 --save "$dir/n.json" >/dev/null 2>&1; then exit 1; fi
test ! -e "$dir/n.json"
# Stopping after the run's very last trick: that trick is named, and nothing is saved.
last=$(grep -c '"ev":"trick"' "$dir/whole.jsonl")
if "$sim" --matches 1 --start 31000 --character 7 --stop-after-tricks "$last" \
    --save "$dir/l.json" >/dev/null 2>"$dir/err"; then exit 1; fi
grep -q "ended with its trick $last: no match is left" "$dir/err"
test ! -e "$dir/l.json"
if "$sim" --matches 1 --start 31000 --character 7 --stop-after-tricks $((last + 1)) \
    --save "$dir/l.json" >/dev/null 2>"$dir/err"; then exit 1; fi
grep -q "ended after $last tricks, before $((last + 1))" "$dir/err"
echo ok
