#!/usr/bin/env bash
# The game's processor use in the real window, measured by hand: idle on floor 1, then with an
# arrow key held (the hero walks to and fro on the bottom row, a second each way), and its peak
# memory at the end. Needs an X display (DISPLAY; Xvfb with a window manager will do) and
# xdotool. The game runs in folders of its own: keyboard control, speed High, no prologue,
# no music, sound effects on (the sound device stays open, as in play).
#
#   bench/idle_cpu.sh [BUILD_DIR] [SECONDS] [ZOOM]      (defaults: build/release, 60, 2)
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$here/build/release}")
seconds=${2:-60}
zoom=${3:-2}
work=$(mktemp -d)
game=""
cleanup() {
    if [ -n "$game" ]; then
        kill "$game" 2>/dev/null || true
        wait "$game" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME/gravenhold" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR" "$work/save"
chmod 700 "$XDG_RUNTIME_DIR"
printf '%s\n%s\n\n' "$work/save" "$build" >"$XDG_CONFIG_HOME/gravenhold/KRN10.INI"
printf '\x0a\x0c\x00\x01\x01\x00\x00\x00\x00\x00' >"$work/save/option.dat"

"$build/gravenhold" --zoom "$zoom" --game-dir "$build" >/dev/null 2>&1 &
game=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --pid "$game" --name 'Gravenhold Ver' 2>/dev/null | tail -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the game's window did not appear" >&2; exit 1; }
xdotool windowactivate --sync "$window" 2>/dev/null || true
sleep 3 # the start-up settles

# Processor nanoseconds of all the game's threads so far.
cpu_ns() {
    cat /proc/"$game"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d", s }'
}
# Percent of one core: processor nanoseconds used over wall nanoseconds.
percent() {
    awk -v used="$1" -v wall="$2" 'BEGIN { printf "%.3f", used / wall * 100 }'
}

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
start=$(cpu_ns)
clock=$(date +%s%N)
sleep "$seconds"
idle=$(percent $(($(cpu_ns) - start)) $(($(date +%s%N) - clock)))
echo "idle on floor 1, zoom $zoom: ${idle} % of a core over ${seconds} s"

start=$(cpu_ns)
clock=$(date +%s%N)
end=$((SECONDS + seconds))
while [ "$SECONDS" -lt "$end" ]; do
    for key in Left Right; do
        xdotool keydown "$key"
        sleep 1
        xdotool keyup "$key"
    done
done
walking=$(percent $(($(cpu_ns) - start)) $(($(date +%s%N) - clock)))
echo "walking key held, zoom $zoom: ${walking} % of a core over about ${seconds} s"
echo "peak memory: $(awk '/VmHWM/ { printf "%.1f MiB", $2 / 1024 }' /proc/"$game"/status)"
echo "load average after:  $(cut -d' ' -f1-3 /proc/loadavg)"
