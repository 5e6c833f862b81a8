#!/bin/sh
# The runner checks every option before it opens any file: a refused run leaves the files as
# they were; pipes are refused at once instead of hanging; --db makes only the last folder; a
# repeated option or a stray argument is refused.
set -eu
sim=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "$1"; exit 1; }
# refused EXPECTED-STATUS ARGS...: the run ends (within 20 s) with that status.
refused() {
    want=$1
    shift
    set +e
    timeout 20 "$sim" "$@" >/dev/null 2>&1
    got=$?
    set -e
    [ "$got" -eq "$want" ] || fail "quintrick-sim $*: exit status $got, not $want"
}

echo "the player's trace" >"$dir/p.txt"
refused 2 --jobs 2 --db "$dir/x.sqlite" --trace "$dir/p.txt"
[ "$(cat "$dir/p.txt")" = "the player's trace" ] || fail "a refused run emptied the trace file"
[ ! -e "$dir/x.sqlite" ] || fail "a refused run made the database"

mkfifo "$dir/fifo"
refused 1 --continue "$dir/fifo"
refused 1 --trace "$dir/fifo"
refused 1 --db "$dir/fifo"
refused 1 --continue "$dir"

refused 1 --db "$dir/a/b/records.sqlite"
[ ! -e "$dir/a" ] || fail "--db made a whole path"
# A build without the records (the Qt-free one of the sanitizer run) says so and writes nothing.
if "$sim" --db "$dir/new/records.sqlite" >/dev/null 2>"$dir/db.err"; then
    [ -s "$dir/new/records.sqlite" ] || fail "--db in a new folder wrote nothing"
else
    grep -q "no database support" "$dir/db.err" || fail "--db in a new folder was refused"
fi

refused 2 --matches 1 --matches 2
refused 2 --trace "$dir/t1" --trace "$dir/t2"
[ ! -e "$dir/t1" ] && [ ! -e "$dir/t2" ] || fail "a refused run made a trace"
refused 2 --matches 1 stray
refused 2 stray
echo ok
