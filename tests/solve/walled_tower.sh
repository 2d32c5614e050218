#!/usr/bin/env bash
# Walls off the up stairs of floor 1 in a copy of the floors and expects the check to fail
# quickly, naming floor 1 as the furthest it came; a bad argument is a usage error.
set -u
solve="$1"
floors="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$floors"/floor*.txt "$work"/
# Floor 1's up stairs (tile 11) stand in the top-left corner; a wall (8) takes their place.
sed -i '0,/^ *11 /s/^\( *\)11 /\1 8 /' "$work/floor01.txt"
if grep -q '^ *11 ' "$work/floor01.txt"; then
    echo "the stairs of floor 1 were not found in the copy" >&2
    exit 1
fi
out=$("$solve" --check --floors "$work" --seconds 60 2>/dev/null)
status=$?
if [ "$status" -ne 1 ] || [ "$out" != "no win found: furthest floor 1" ]; then
    echo "expected exit 1 and \"no win found: furthest floor 1\", got $status and \"$out\"" >&2
    exit 1
fi
"$solve" --check --seconds soon >/dev/null 2>&1
if [ $? -ne 2 ]; then
    echo "a bad --seconds must be a usage error (exit 2)" >&2
    exit 1
fi
