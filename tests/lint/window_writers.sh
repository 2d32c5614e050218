#!/usr/bin/env bash
# Only the drawing layer (src/render/) writes the window model: the rules set the game's state
# and render::present shows it. Every other file of src/ that still reaches into the model is
# listed in window_writers.txt with the number of places and the reason; this check fails when
# a file reaches in more often than listed, or less (then the list is tightened).
set -u
src="$1"
list="$2"
status=0
declare -A allowed
while read -r count file _; do
    case "$count" in '' | \#*) continue ;; esac
    allowed["$file"]=$count
done <"$list"
declare -A found
while read -r count file; do
    found["$file"]=$count
done < <(cd "$src/.." && grep -rEo '[[:alnum:]_)](\.|->)window\b' src --include='*.cpp' --include='*.h' |
    cut -d: -f1 | grep -v '^src/render/' | sort | uniq -c)
total=0
for file in "${!found[@]}"; do
    n=${found[$file]}
    total=$((total + n))
    want=${allowed[$file]:-0}
    if [ "$n" -gt "$want" ]; then
        echo "$file reaches into the window model $n times, $want allowed (window_writers.txt)"
        status=1
    elif [ "$n" -lt "$want" ]; then
        echo "$file reaches into the window model $n times now: lower its line in window_writers.txt"
        status=1
    fi
done
for file in "${!allowed[@]}"; do
    if [ -z "${found[$file]:-}" ]; then
        echo "$file no longer reaches into the window model: drop its line in window_writers.txt"
        status=1
    fi
done
echo "places outside the drawing layer that reach into the window model: $total"
exit $status
