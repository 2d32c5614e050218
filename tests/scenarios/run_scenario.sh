#!/usr/bin/env bash
# Runs one scenario script through the headless driver and compares what it prints with
# the expected output beside it (NAME.txt -> NAME.expected, or the file a third argument
# names). Reports the first difference.
set -u
cli="$1"
script="$2"
expected="${3:-${script%.txt}.expected}"
# A first line "# options: ..." names options of the driver for this script (--prologue).
read -r -a options <<< "$(sed -n '1s/^# options: //p' "$script")"
actual=$("$cli" "${options[@]}" "$script" 2>/dev/null)
status=$?
if [ $status -ne 0 ]; then
    echo "gravenhold-cli exited with status $status:" >&2
    "$cli" "${options[@]}" "$script" >/dev/null
    exit 1
fi
if ! diff_out=$(diff <(printf '%s\n' "$actual") "$expected"); then
    first=$(printf '%s\n' "$diff_out" | head -n 1)
    line=${first%%[acd]*}
    echo "first difference at output line ${line%%,*} of $(basename "$script"):"
    echo "  expected: $(sed -n "${line%%,*}p" "$expected")"
    echo "  actual:   $(printf '%s\n' "$actual" | sed -n "${line%%,*}p")"
    exit 1
fi
