#!/usr/bin/env bash
# Usage: temporary_folders.sh GRAVENHOLD-CLI
# Runs the driver in a private temporary folder and checks that it is empty after each run.
set -u
cli="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
export TMPDIR="$tmp/t"
mkdir "$TMPDIR"

fail() { echo "FAIL: $*"; exit 1; }
left_behind() { [ -n "$(ls -A "$TMPDIR")" ]; }

printf 'key up\nrun\n' | "$cli" - >/dev/null || fail "a plain script failed"
left_behind && fail "a finished script left $(ls "$TMPDIR")"

printf 'key up\nset status 4 99\n' | "$cli" - >/dev/null 2>"$tmp/err"
status=$?
[ "$status" -eq 2 ] || fail "a refused line gave exit $status"
grep -q '^<stdin>:2: floor 99' "$tmp/err" || fail "no line number: $(cat "$tmp/err")"
left_behind && fail "a refused line left $(ls "$TMPDIR")"

# A driver waiting for its next line is stopped.
for signal in TERM INT HUP; do
    mkfifo "$tmp/script"
    "$cli" "$tmp/script" >/dev/null 2>&1 &
    pid=$!
    exec 3>"$tmp/script"
    echo 'key up' >&3
    for _ in $(seq 50); do left_behind && break; sleep 0.1; done
    left_behind || fail "the driver made no temporary folder"
    sleep 0.5
    kill -s "$signal" "$pid"
    wait "$pid"
    status=$?
    exec 3>&-
    rm "$tmp/script"
    [ "$status" -gt 128 ] || fail "SIG$signal gave exit $status"
    left_behind && fail "SIG$signal left $(ls "$TMPDIR")"
done
echo "temporary folders removed on every exit"
