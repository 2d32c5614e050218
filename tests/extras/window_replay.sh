#!/bin/bash
# window_replay.sh GAME CLI: play a minute in the real window under Xvfb by xdotool (a saved
# game loaded from the menu, a merchant, walks by clicks, a door, a fight, a key, the stairs,
# a save), recording it; then play the recording back headless and compare the two saved
# games byte for byte. Another copy of the game runs meanwhile, as on a player's desktop.
set -u
game=$1 cli=$2
source "$(dirname "$0")/../support/real_window.sh"
needs Xvfb xdotool

mkdir -p "$work/config/gravenhold" "$work/window" "$work/headless" "$work/data" \
    "$work/home" "$work/runtime" "$work/desktop/runtime"
chmod 700 "$work/runtime" "$work/desktop/runtime"
game_dir=$(dirname "$game")
# The window's settings: its save folder is ours.
printf '%s\n%s\n\n' "$work/window" "$game_dir" >"$work/config/gravenhold/KRN10.INI"

# The starting point, made headless: options (mouse control, high speed, no prologue) and a
# saved game on floor 6 beside its merchant, with a yellow key, 500 gold and the Orb of Hero
# (which opens the Save menu).
"$cli" --save-dir "$work/window" - >/dev/null <<SCRIPT || fail "cannot prepare the saved game"
menu Options/Mouse Control
menu Options/Speed/High
menu Options/Save Option
set status 17 1
set status 3 500
set status 8 1
set hero 6 4 1
save-game $work/window/save1.dat
SCRIPT
cp "$work/window/save1.dat" "$work/headless/save1.dat"

# The player's own copy of the game open elsewhere, in the runtime folder this test inherits:
# the window under test has a runtime folder of its own, so the one-copy guard lets it start.
export XDG_RUNTIME_DIR=$work/desktop/runtime
HOME=$work/desktop XDG_CONFIG_HOME=$work/desktop/config XDG_DATA_HOME=$work/desktop/data \
    QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$game" --zoom 1 >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/TKRN10" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/TKRN10" ] || fail "the other copy of the game did not start"

own_display 1280x1024

HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
    XDG_RUNTIME_DIR=$work/runtime "$game" --zoom 1 --record "$work/game.rec" >"$work/window.log" 2>&1 &
pids+=($!)

win=$(window "Gravenhold Ver")
[ -n "$win" ] || fail "no window"
eval "$(xdotool getwindowgeometry --shell "$win")"
top=$((HEIGHT - 426)) # the menu bar above the client area

# cell X Y: a click on a cell of the play field; client X Y: a click at a client point;
# keys K...: keys to the window, one by one.
client() { xdotool mousemove --window "$win" "$1" $((top + $2)) click 1; sleep "${3:-1.5}"; }
cell() { client $((144 + 32 * $1 + 16)) $((24 + 32 * $2 + 16)) "${3:-1.5}"; }
keys() {
    xdotool windowfocus --sync "$win"
    for k in "$@"; do xdotool key "$k"; sleep 0.4; done
    sleep 1
}
source "$(dirname "$0")/window_recording.sh"

load_slot_1
cell 4 2            # the merchant below the hero
client 366 115      # "Yes": the blue key for 50 gold (the box holds two lines of text)
client 457 99       # "OK" under the thanks (one line)
cell 5 0            # the yellow door: up, then right into it
cell 3 0 4          # the Green Slime: a fight
cell 2 0            # the yellow key beyond it
cell 0 0 4          # the stairs down, at the end of a walk
# Game / Save / Data 2: the menu opened by the mouse, Save reached with the arrow keys (its place
# on the screen depends on the menus' font, and "s" names both Game Start and Save), again until
# the save is there: on a busy machine the last walk or fight may still be playing, and Save stays
# grey until input opens.
for _ in $(seq 20); do
    xdotool mousemove --window "$win" 28 8 click 1
    sleep 0.6
    xdotool key --delay 150 Down Down Down Down Down Right
    sleep 0.8
    xdotool key 2
    sleep 1
    [ -f "$work/window/save2.dat" ] && break
    keys Escape Escape
done

[ -f "$work/window/save2.dat" ] || fail "the window saved nothing: $(grep -v '^tick' "$work/game.rec")"
kill "${pids[2]}"

"$cli" --save-dir "$work/headless" "$work/game.rec" >"$work/headless.out" 2>&1 ||
    fail "the playback stopped: $(cat "$work/headless.out")"
cmp "$work/window/save2.dat" "$work/headless/save2.dat" ||
    fail "the playback ended elsewhere: $(grep -v '^tick' "$work/game.rec")"
echo "recorded $(grep -c . "$work/game.rec") lines; the playback saved the same game"
