#!/bin/bash
# window_greys.sh GAME CLI COUNT: the real window under Xvfb with a window manager, at zoom 1
# and 2, on floor 1, with the Game menu open, with a message box, the About box and a
# merchant's question: no pixel of the desktop's greys inside the game's own windows (their
# client areas; the window manager's title bars are not the game's), the greys of the game's
# own pictures aside.
set -u
game=$1 cli=$2 count=$3
source "$(dirname "$0")/../support/real_window.sh"
needs Xvfb openbox xdotool xwininfo import
own_display 1280x1000
mkdir -p "$work/home/config/gravenhold" "$work/runtime" "$work/save"
chmod 700 "$work/runtime"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data
export XDG_RUNTIME_DIR=$work/runtime SDL_AUDIODRIVER=dummy
openbox >/dev/null 2>&1 &
pids+=($!)
game_dir=$(dirname "$cli")
printf '%s\n%s\n\n' "$work/save" "$game_dir" >"$XDG_CONFIG_HOME/gravenhold/KRN10.INI"
# Options: keyboard control, the prologue on, no music, no effects.
printf '\x0a\x0c\x00\x02\x01\x01\x00\x01\x00\x00' >"$work/save/option.dat"
# Slot 1: below the blue-key merchant of floor 6. Slot 2: a saved game that fails its checks.
printf 'set hero 6 4 3\nsave-game %s\n' "$work/save/save1.dat" |
    "$cli" --game-dir "$game_dir" >/dev/null || fail "the driver could not save a game"
head -c 6957 /dev/zero >"$work/save/save2.dat"

# shown TITLE [smallest]: the game's visible window of that title, the largest (the main
# window; Qt keeps small helper windows of the same name) or the smallest of at least 64 x 64.
shown() {
    local best="" area=0 id w h
    for _ in $(seq 30); do
        for id in $(xdotool search --onlyvisible --pid "$pid" --name "^$1\$" 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$id")"
            w=$WIDTH h=$HEIGHT
            [ "$w" -ge 64 ] && [ "$h" -ge 64 ] || continue
            if [ -z "$best" ] || { [ "${2:-}" = smallest ] && [ $((w * h)) -lt "$area" ]; } ||
                { [ "${2:-}" != smallest ] && [ $((w * h)) -gt "$area" ]; }; then
                best=$id area=$((w * h))
            fi
        done
        [ -n "$best" ] && break
        sleep 0.2
    done
    echo "$best"
}
# check WHAT WINDOW: a screenshot of the screen; no desktop grey inside the window's client area.
checked=0
check() {
    local info x y w h n
    [ -n "$2" ] || fail "$1 at zoom $zoom: no window"
    sleep 0.6
    import -window root "$work/shot.png" || fail "no screenshot"
    info=$(xwininfo -id "$2")
    x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    w=$(awk '/^  Width:/ {print $2}' <<<"$info")
    h=$(awk '/^  Height:/ {print $2}' <<<"$info")
    n=$("$count" "$work/shot.png" "$x" "$y" "$w" "$h" "$game_dir"/data*/*.bmp) || fail "$1: the screenshot is unreadable"
    if [ "$n" -ne 0 ]; then
        cp "$work/shot.png" "${TMPDIR:-/tmp}/window-greys-$1-zoom$zoom.png"
        fail "$1 at zoom $zoom: $n grey pixels in ${w}x$h+$x+$y"
    fi
    checked=$((checked + 1))
}

for zoom in 1 2; do
    "$game" --zoom "$zoom" --game-dir "$game_dir" >"$work/game.log" 2>&1 &
    pid=$!
    pids+=($pid)
    main=$(shown 'Gravenhold Ver.*')
    [ -n "$main" ] || fail "no game window at zoom $zoom"
    sleep 1.5
    xdotool windowfocus --sync "$main" key F2
    sleep 1
    check floor1 "$main"
    xdotool key alt+g
    check menu "$main"
    xdotool key Escape
    sleep 0.3
    xdotool key Escape
    sleep 0.3
    xdotool key --delay 150 alt+g l 2
    check message-box "$(shown 'Gravenhold Ver.*' smallest)"
    xdotool key Return
    sleep 0.5
    xdotool key --delay 150 alt+h a
    check about "$(shown 'About Gravenhold.*' smallest)"
    xdotool key Escape
    sleep 0.5
    xdotool windowfocus --sync "$main" key --delay 150 alt+g l 1
    sleep 0.8
    xdotool key Up
    check merchant "$main"
    kill "$pid"
    wait "$pid" 2>/dev/null
done
echo "desktop greys in the real window: $checked screens, none"
