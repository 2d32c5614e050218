#!/usr/bin/env bash
# The headless first lap, timed by hand: the walkthrough scripts played as one game by the
# driver, RUNS times in a row. Prints the median wall and processor seconds of a lap, how many
# seconds of game time it plays per wall second, and the load average before and after (the
# machine may be shared: compare figures taken in the same conditions).
#
#   bench/lap_time.sh [BUILD_DIR] [RUNS]      (defaults: build/release, 7)
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
cli=$(realpath "${1:-$here/build/release}")/gravenhold-cli
runs=${2:-7}
mapfile -t segments < <(find "$here/tests/scenarios" -maxdepth 1 -name 'walkthrough_*.txt' | sort)
lap=$(mktemp)
times=$(mktemp)
trap 'rm -f "$lap" "$times"' EXIT
cat "${segments[@]}" >"$lap"

game_ms=$( (cat "$lap"; echo "print clock") | "$cli" - | sed -n 's/^clock=//p')
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
TIMEFORMAT='%R %U %S'
for _ in $(seq "$runs"); do
    { time "$cli" "$lap" >/dev/null; } 2>>"$times"
done
echo "load average after:  $(cut -d' ' -f1-3 /proc/loadavg)"

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
wall=$(awk '{ print $1 }' "$times" | median)
cpu=$(awk '{ print $2 + $3 }' "$times" | median)
echo "first lap, median of $runs runs: wall ${wall} s, processor ${cpu} s"
awk -v ms="$game_ms" -v wall="$wall" -v cpu="$cpu" 'BEGIN {
    printf "game time %.0f s: %.0fx per wall second, %.0fx per processor second\n",
           ms / 1000, ms / 1000 / wall, ms / 1000 / cpu }'
