#!/usr/bin/env bash
# Plays the first lap: every walkthrough_*.txt of the given folder, in name order, as one
# script in one game from a new game, and compares what it prints with the segments'
# expected outputs (walkthrough_NAME.expected). Each segment goes on where the one before
# it stops, so none of them may set the game's state by hand: a "set" line is refused.
# Reports the segment and line of the first difference. With a route document as third
# argument, its "- leaves with" lines must be the lap's floor exits, in order.
set -u
cli="$1"
folder="$2"
route="${3:-}"
mapfile -t segments < <(find "$folder" -maxdepth 1 -name 'walkthrough_*.txt' | sort)
if [ ${#segments[@]} -eq 0 ]; then
    echo "no walkthrough segments in $folder" >&2
    exit 1
fi
if grep -Hn '^[[:space:]]*set[[:space:]]' "${segments[@]}"; then
    echo "the lap must be played, not set up: remove the set lines above" >&2
    exit 1
fi
output=$(mktemp)
errors=$(mktemp)
trap 'rm -f "$output" "$errors"' EXIT
if ! cat "${segments[@]}" | "$cli" - >"$output" 2>"$errors"; then
    echo "gravenhold-cli stopped: $(cat "$errors")" >&2
    exit 1
fi
start=1
for script in "${segments[@]}"; do
    expected="${script%.txt}.expected"
    lines=$(wc -l <"$expected")
    if ! diff_out=$(diff <(tail -n "+$start" "$output" | head -n "$lines") "$expected"); then
        first=$(printf '%s\n' "$diff_out" | head -n 1)
        line=${first%%[acd]*}
        line=${line%%,*}
        echo "first difference at output line $line of $(basename "$script"):"
        echo "  expected: $(sed -n "${line}p" "$expected")"
        echo "  actual:   $(tail -n "+$start" "$output" | sed -n "${line}p")"
        exit 1
    fi
    start=$((start + lines))
done
if [ "$(tail -n "+$start" "$output" | wc -l)" -ne 0 ]; then
    echo "the lap printed more than its segments expect:" >&2
    tail -n "+$start" "$output" | head -n 3 >&2
    exit 1
fi
if [ -n "$route" ]; then
    # Each floor exit prints status 0..10 in a row: life, offense, defense, gold, floor,
    # highest floor, x, y, yellow, red and blue keys.
    exits=$(awk -F= '
        { n = $1; sub(/^status\[/, "", n); sub(/\]$/, "", n) }
        $1 ~ /^status\[[0-9]+\]$/ && n == count { v[count++] = $2; if (count == 11) {
            printf "- leaves with %d / %d / %d, keys %dY %dB %dR, gold %d, on floor %d\n",
                   v[0], v[1], v[2], v[8], v[10], v[9], v[3], v[4]; count = 0 }; next }
        { count = ($1 == "status[0]") ? 1 : 0; v[0] = $2 }' "$output")
    if ! diff_out=$(diff <(printf '%s\n' "$exits") <(grep '^- leaves with ' "$route")); then
        echo "the route and the lap part at exit line:"
        printf '%s\n' "$diff_out" | head -n 4
        exit 1
    fi
fi
