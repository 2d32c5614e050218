#!/bin/bash
# same_game.sh CLI A B: play two driver scripts and compare the games they end in, byte for
# byte, as saved games.
set -eu
cli=$1 first=$2 second=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for script in "$first" "$second"; do
    name=$(basename "$script" .txt)
    { cat "$script"; echo "save-game $work/$name.sav"; } | "$cli" - >"$work/$name.out"
done
cmp "$work/$(basename "$first" .txt).sav" "$work/$(basename "$second" .txt).sav"
