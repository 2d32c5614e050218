# Shared by the real-window tests of recorded games, sourced once the test has defined `keys`
# (its keys to the window, one by one): what the recording holds and the first load.

# recorded LINE: the recording holds the line.
recorded() { grep -qx "$1" "$work/game.rec"; }

# load_slot_1: Game / Load / Data 1 by the keyboard, once the new game's start has settled and
# the menu takes it.
load_slot_1() {
    for _ in $(seq 30); do
        keys ctrl+g l 1
        recorded "menu Game/Load/Data 1" && return
        keys Escape Escape
    done
    recorded "menu Game/Load/Data 1" || fail "the saved game was not loaded"
}
