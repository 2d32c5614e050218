#!/bin/bash
# window_place.sh GAME: the real window under Xvfb with a window manager (openbox) that draws
# title bars. The game's frame, title bar included, lies on the screen; the help (F1) and the
# About box open inside the screen, centred on the game, and Escape closes both.
set -u
game=$1
source "$(dirname "$0")/../support/real_window.sh"
needs Xvfb openbox xdotool xwininfo xprop
own_display 1280x1000
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
HOME=$work/home openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data \
    XDG_RUNTIME_DIR=$work/runtime SDL_AUDIODRIVER=dummy "$game" >"$work/game.log" 2>&1 &
pids+=($!)

# frame ID: the frame's left top right bottom on the screen (client and the frame extents).
frame() {
    local x y w h l r t b
    x=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $4}')
    y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $4}')
    w=$(xwininfo -id "$1" | awk '/Width:/ {print $2}')
    h=$(xwininfo -id "$1" | awk '/Height:/ {print $2}')
    read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    echo $((x - l)) $((y - t)) $((x + w + r)) $((y + h + b))
}
on_screen() { [ "$1" -ge 0 ] && [ "$2" -ge 0 ] && [ "$3" -le 1280 ] && [ "$4" -le 1000 ]; }

main=$(window "Gravenhold Ver")
[ -n "$main" ] || fail "no game window"
sleep 2
read -r ml mt mr mb < <(frame "$main")
[ "$mt" -ge 0 ] || fail "the title bar lies above the screen (frame top $mt)"
[ "$ml" -ge -1 ] || fail "the frame lies left of the screen (frame left $ml)"
centre_x=$(((ml + mr) / 2)) centre_y=$(((mt + mb) / 2))

# check NAME KEYS...: the keys open the window NAME inside the screen, centred on the game's
# window as far as the screen allows; Escape closes it.
check() {
    local name=$1 id l t r b
    shift
    xdotool windowfocus --sync "$main"
    for k in "$@"; do xdotool key "$k"; sleep 0.5; done
    id=$(window "$name")
    [ -n "$id" ] || fail "$name did not open"
    sleep 1
    read -r l t r b < <(frame "$id")
    on_screen "$l" "$t" "$r" "$b" || fail "$name lies off the screen: $l $t $r $b"
    [ $(((l + r) / 2 - centre_x)) -le 2 ] && [ $(((l + r) / 2 - centre_x)) -ge -2 ] ||
        [ "$r" -eq 1280 ] || [ "$l" -eq 0 ] || fail "$name is not centred across the game"
    xdotool windowfocus --sync "$id" key Escape
    sleep 1
    [ -z "$(xdotool search --onlyvisible --name "$name" 2>/dev/null)" ] ||
        fail "Escape did not close $name"
}
check "Gravenhold Help" F1
check "About Gravenhold" ctrl+h a
echo "window placement: 3 passed, 0 failed"
