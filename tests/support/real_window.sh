# Sourced by the tests that play the real window: a work folder that goes at the end with
# every process the test started (their ids in `pids`), `fail`, the tools a test needs, and a
# display of its own.

# needs TOOL...: the test is skipped (exit 77) where a tool is missing.
needs() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
    done
}

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# own_display WIDTHxHEIGHT: Xvfb on a free display number (it writes the number to a file),
# exported as DISPLAY.
own_display() {
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -1 "$work/display")"
}

# window NAME: the id of the visible window of that title, waited for (empty if none comes).
window() {
    local id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        [ -n "$id" ] && break
        sleep 0.1
    done
    echo "$id"
}
