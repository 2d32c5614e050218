#!/bin/bash
# bad_recordings.sh CLI: damaged and foreign recordings are refused with the line at fault on
# standard error and exit status 2, never a crash.
set -u
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# refused NAME LINE TEXT: the recording NAME must stop at LINE with TEXT in its message.
refused() {
    local name=$1 line=$2 text=$3 status
    "$cli" "$work/$name" >/dev/null 2>"$work/err"
    status=$?
    if [ "$status" -ne 2 ] || ! grep -q "$name:$line: .*$text" "$work/err"; then
        echo "FAIL $name: status $status, $(cat "$work/err")"
        failed=1
    fi
}

printf 'print status 0\nsave-game %s/good.sav\n' "$work" | "$cli" - >/dev/null

printf 'recording 1\nload-state good.sav\ntick 100 Timer1\ntick 50 Timer1\n' >"$work/backwards.rec"
refused backwards.rec 4 "comes before"
printf 'recording 1\ntick 100 Timer7\n' >"$work/timer.rec"
refused timer.rec 2 "unknown timer"
printf 'recording 1\ntick soon Timer1\n' >"$work/time.rec"
refused time.rec 2 "tick takes"
printf 'recording 7\n' >"$work/format.rec"
refused format.rec 1 "format 7"
head -c 3000 "$work/good.sav" >"$work/short.sav"
printf 'recording 1\nload-state short.sav\n' >"$work/short.rec"
refused short.rec 2 "not a saved game"
printf 'recording 1\nload-state missing.sav\n' >"$work/missing.rec"
refused missing.rec 2 "cannot read"
# A foreign file: a saved game given as a recording.
cp "$work/good.sav" "$work/foreign.rec"
refused foreign.rec 1 "unknown command"
printf 'recording 1\nclick-cell 11 0\n' >"$work/cell.rec"
refused cell.rec 2 "click-cell takes"
# The driver plays recordings but makes none.
printf 'answer text %s/new.rec\nmenu Extras/Record...\n' "$work" >"$work/record.rec"
refused record.rec 2 "does not record"

# A device of endless bytes is no recording: refused at its first line, at once.
if [ -e /dev/zero ]; then
    timeout 20 "$cli" /dev/zero >/dev/null 2>"$work/err"
    status=$?
    if [ "$status" -ne 2 ] || ! grep -q "/dev/zero:1: the line is longer than" "$work/err"; then
        echo "FAIL /dev/zero: status $status, $(head -c 200 "$work/err")"
        failed=1
    fi
fi

exit "$failed"
