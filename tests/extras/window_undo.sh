#!/bin/bash
# window_undo.sh GAME CLI: in the real window under Xvfb, with "Allow Undo" on in extras.ini,
# play a few moves under keyboard control while recording, take moves back with Ctrl+Z and
# play them again with Ctrl+Y and Ctrl+Shift+Z, and save; the headless playback of the
# recording must save the same game byte for byte, and the window's saves before and after
# the moves must be what the undo and redo gave back.
set -u
game=$1 cli=$2
source "$(dirname "$0")/../support/real_window.sh"
needs Xvfb xdotool

mkdir -p "$work/config/gravenhold" "$work/window" "$work/headless" "$work/data" "$work/home"
game_dir=$(dirname "$game")
printf '%s\n%s\n\n' "$work/window" "$game_dir" >"$work/config/gravenhold/KRN10.INI"
printf 'damage-on-map=0\nclick-to-walk=1\nallow-undo=1\n' >"$work/config/gravenhold/extras.ini"

# Keyboard control at high speed without the prologue, and a new game with the Orb of Hero
# (which opens the Save menu) saved in slot 1.
"$cli" --save-dir "$work/window" - >/dev/null <<SCRIPT || fail "cannot prepare the saved game"
menu Options/Keyboard Control
menu Options/Speed/High
menu Options/Save Option
set status 17 1
save-game $work/window/save1.dat
SCRIPT
cp "$work/window/save1.dat" "$work/headless/save1.dat"

own_display 1280x1024

mkdir -m 700 "$work/runtime"
HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
    XDG_RUNTIME_DIR=$work/runtime "$game" --zoom 1 --record "$work/game.rec" >"$work/window.log" 2>&1 &
pids+=($!)
win=$(window "Gravenhold Ver")
[ -n "$win" ] || fail "no window"

keys() {
    xdotool windowfocus --sync "$win"
    for k in "$@"; do xdotool key "$k"; sleep 0.6; done
    sleep 1
}
source "$(dirname "$0")/window_recording.sh"
# save N: Game / Save / Data N, the menu opened by the mouse and Save reached with the arrow
# keys (its place on the screen depends on the menus' font, and "s" names both Game Start and
# Save), until the file is there.
save() {
    for _ in $(seq 20); do
        xdotool mousemove --window "$win" 28 8 click 1
        sleep 0.6
        xdotool key --delay 150 Down Down Down Down Down Right
        sleep 0.8
        keys "$1"
        [ -f "$work/window/save$1.dat" ] && return
        keys Escape Escape
    done
    fail "the window did not save slot $1: $(grep -v '^tick' "$work/game.rec")"
}

load_slot_1
save 2                       # before the moves
keys Up Up Left              # a step, the door he has no key for, the key beside him
save 3                       # after them
keys ctrl+z ctrl+z ctrl+z ctrl+z ctrl+z # back to the load (a save is no move, nor an undo too many)
save 4
keys ctrl+y ctrl+shift+z ctrl+y ctrl+y ctrl+shift+z
save 5
kill "${pids[1]}"

recorded undo && recorded redo || fail "no undo or redo recorded: $(grep -v '^tick' "$work/game.rec")"
cmp "$work/window/save2.dat" "$work/window/save4.dat" || fail "Ctrl+Z did not give back the game"
cmp "$work/window/save3.dat" "$work/window/save5.dat" || fail "Ctrl+Y did not play the moves again"
"$cli" --save-dir "$work/headless" "$work/game.rec" >"$work/headless.out" 2>&1 ||
    fail "the playback stopped: $(cat "$work/headless.out")"
cmp "$work/window/save5.dat" "$work/headless/save5.dat" ||
    fail "the playback ended elsewhere: $(grep -v '^tick' "$work/game.rec")"
echo "Ctrl+Z and Ctrl+Y took back and replayed the moves; the playback saved the same game"
