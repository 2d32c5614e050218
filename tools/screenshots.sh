#!/bin/bash
# Pictures of the real window for review: the opening, floor 1, a fight, a merchant's
# question, the altar, the Orb of Hero's list, an open menu, a message box, the Ranking, About
# and data-folder windows, the help, the capture, the prison and the ending, at zoom 1 and 2.
#
#   tools/screenshots.sh [BUILD_DIR] [OUT_DIR]     (defaults: build/dev, BUILD_DIR/screenshots)
#
# Needs Xvfb, openbox, xdotool, xwininfo (x11-utils) and ImageMagick's import. Each scene is
# set up by the headless driver, saved as a game, loaded into the real window from the Game
# menu and played from there with the keys and the mouse; the game runs silent in folders of
# its own.
set -euo pipefail

build=$(realpath "${1:-build/dev}")
out=$(realpath -m "${2:-$build/screenshots}")
display=${SCREENSHOT_DISPLAY:-:99}
mkdir -p "$out"
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1600x1000x24 >/dev/null 2>&1 &
pids+=($!)
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
export DISPLAY=$display SDL_AUDIODRIVER=dummy
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME/gravenhold" "$XDG_RUNTIME_DIR" "$work/save"
chmod 700 "$XDG_RUNTIME_DIR"
printf '%s\n%s\n\n' "$work/save" "$build" >"$XDG_CONFIG_HOME/gravenhold/KRN10.INI"
# Options: keyboard control, the prologue on, no music, no effects.
printf '\x0a\x0c\x00\x02\x01\x01\x00\x01\x00\x00' >"$work/save/option.dat"

# A saved game in slot N from a few lines of the headless driver.
prepare() {
    local slot=$1 setup=$2
    printf '%s\nsave-game %s\n' "$setup" "$work/save/save$slot.dat" |
        "$build/gravenhold-cli" --game-dir "$build" >/dev/null
}
prepare 1 $'set hero 1 5 0'                             # beside a Green Slime on the top row
prepare 2 $'set hero 6 4 3'                             # below the blue-key merchant of floor 6
prepare 3 $'set hero 3 4 9\nset status 18 1'            # below Zeno's welcome on floor 3
prepare 4 $'set hero 1 5 10\nset status 17 1'           # the Orb of Hero held
prepare 5 $'set hero 50 5 5\nset tile 50 49 91'         # below Zeno on the summit
prepare 6 $'set hero 9 3 9\nset status 3 50'           # above the altar of floor 9
head -c 6957 /dev/zero >"$work/save/save7.dat"           # a saved game that fails its checks

window=""
zoom=1
start_game() {
    zoom=$1
    rm -f "$XDG_CONFIG_HOME/gravenhold/shell.ini"
    "$build/gravenhold" --zoom "$zoom" --game-dir "$build" >/dev/null 2>&1 &
    game=$!
    pids+=($game)
    # Qt makes a few helper windows of the same name: the main one is the largest.
    window=""
    for _ in $(seq 50); do
        local best=0
        for id in $(xdotool search --pid "$game" --name 'Gravenhold Ver' 2>/dev/null || true); do
            eval "$(xdotool getwindowgeometry --shell "$id")"
            if [ $((WIDTH * HEIGHT)) -gt "$best" ]; then
                best=$((WIDTH * HEIGHT))
                window=$id
            fi
        done
        [ "$best" -gt 1 ] && break
        sleep 0.1
    done
}
stop_game() {
    kill "$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
}
# The main window (and the dialogs over it) as they are on the screen.
shoot() {
    sleep "${2:-0.3}"
    # The client area (menu bar, picture, message line) as the screen shows it, with whatever
    # lies over it.
    import -screen -window "$window" "$out/$1-zoom$zoom.png"
}
# A window over the main one (a dialog, a message box, the help) as it is on the screen: the
# smallest shown window of the game with this title.
shoot_window() {
    sleep "${3:-0.5}"
    local best="" area=0
    for id in $(xdotool search --onlyvisible --pid "$game" --name "^$2\$" 2>/dev/null || true); do
        local w h
        w=$(xwininfo -id "$id" | awk '/^  Width:/ {print $2}')
        h=$(xwininfo -id "$id" | awk '/^  Height:/ {print $2}')
        [ "$w" -ge 64 ] && [ "$h" -ge 64 ] || continue # Qt's small helper windows
        if [ -z "$best" ] || [ $((w * h)) -lt "$area" ]; then
            best=$id
            area=$((w * h))
        fi
    done
    [ -n "$best" ] || { echo "no window \"$2\" for $1" >&2; return 0; }
    local info x y w h
    info=$(xwininfo -id "$best")
    x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    w=$(awk '/^  Width:/ {print $2}' <<<"$info")
    h=$(awk '/^  Height:/ {print $2}' <<<"$info")
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/$1-zoom$zoom.png"
}
# Load saved game N from the Game menu.
load() {
    xdotool key --delay 150 alt+g l "$1"
    sleep 0.8
}
# Click the control at game pixel x, y of the main window's client area.
click() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    local menu=$((HEIGHT - 426 * zoom)) # the menu bar above the client area
    xdotool mousemove --window "$window" $(($1 * zoom)) $((menu + $2 * zoom))
    sleep 0.3
    xdotool mousedown 1
    sleep 0.15
    xdotool mouseup 1
}

for z in 1 2; do
    start_game "$z"
    shoot opening 2.5
    xdotool key F2
    shoot floor1 1.5
    load 1
    xdotool key Left
    shoot fight 0.9
    sleep 4
    load 2
    xdotool key Up
    shoot merchant 0.8
    click 457 110 # "No", at the lower right of the dialogue box (two lines of text)
    load 4
    click 32 208 # the Orb of Hero's icon
    shoot orb-of-hero 0.8
    xdotool key F2
    sleep 1
    load 6
    xdotool key Down
    sleep 2
    xdotool key Return # "Yes", which has the focus: the altar's four choices
    shoot altar 0.8
    click 300 205 # the last choice: "After all, I won't do it."
    sleep 1
    xdotool key F2
    sleep 1.5
    xdotool key alt+g
    shoot menu 0.8
    xdotool key Escape
    sleep 0.3
    xdotool key Escape
    sleep 0.5
    load 7 # a damaged saved game: the game says so in a message box
    shoot_window message-box "Gravenhold Ver1.0" 0.5
    xdotool key Return
    sleep 0.5
    xdotool key --delay 150 alt+g r
    shoot_window ranking Ranking 0.8
    xdotool key Escape
    sleep 0.5
    xdotool key --delay 150 alt+h a
    shoot_window about "About Gravenhold" 0.8
    xdotool key Escape
    sleep 0.5
    xdotool key --delay 150 alt+o c
    shoot_window data-folder "Change Data Folder" 0.8
    xdotool key Escape
    sleep 0.5
    xdotool key F2
    sleep 1
    load 3
    xdotool key Up # Zeno appears, then speaks
    sleep 5
    xdotool key Return # "What?", which has the focus
    sleep 30 # the four Magic Sergeants appear, then the hero's "What? Oh!"
    for _ in 1 2 3 4 5; do
        xdotool key Return # answered with "Ah!" (until then, or after it, Enter does nothing)
        sleep 3
    done
    shoot capture 2
    shoot prison 25
    xdotool key F1 # last: the help window keeps the keys
    shoot_window help "Gravenhold Help" 1
    stop_game

    start_game "$z"
    sleep 2
    xdotool key F2
    sleep 1
    load 5
    xdotool key Up
    shoot ending 14
    stop_game
done
echo "$out"
