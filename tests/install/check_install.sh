#!/usr/bin/env bash
# Installs a build into a scratch DESTDIR with the prefix /usr and checks the installed game:
#   1. the installed files are exactly those of the expected list;
#   2. the installed headless driver plays a scenario script on the installed data;
#   3. the installed game starts with a fresh home folder and draws its first frame, reading
#      its data from the installed data folder and keeping its saves in the user's data folder.
# usage: check_install.sh BUILD_DIR EXPECTED_FILES RUN_SCENARIO SCENARIO
set -euo pipefail
build="$1"
expected="$2"
run_scenario="$3"
scenario="$4"

stage=$(mktemp -d "${TMPDIR:-/tmp}/gravenhold-install-XXXXXX")
game_pid=
cleanup() {
    if [ -n "$game_pid" ]; then
        kill "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
    fi
    rm -rf "$stage"
}
trap cleanup EXIT
fail() {
    echo "install check: $*" >&2
    exit 1
}

root="$stage/root"
prefix="$root/usr"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

# 1. The file list.
if ! diff -u <(grep -v '^#' "$expected") \
        <(cd "$root" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort); then
    fail "the installed files differ from $expected (- expected, + installed)"
fi

# 2. The installed driver, given no game folder, finds the installed data.
bash "$run_scenario" "$prefix/bin/gravenhold-cli" "$scenario" ||
    fail "the installed gravenhold-cli did not play $(basename "$scenario") as expected"

# 3. The installed game, on Qt's minimal platform, which writes every frame it shows to
#    outputNNNN.png in the current folder. The game keeps running; it is stopped once the
#    first frame is complete.
home="$stage/home"
frames="$stage/frames"
mkdir -p "$home" "$frames" "$stage/runtime"
chmod 700 "$stage/runtime"
(
    cd "$frames"
    exec env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" XDG_RUNTIME_DIR="$stage/runtime" \
        QT_QPA_PLATFORM=minimal QT_DEBUG_BACKINGSTORE=1 SDL_AUDIODRIVER=dummy \
        "$prefix/bin/gravenhold" >"$stage/game.log" 2>&1
) &
game_pid=$!
# The start-up runs once the window is up, so the settings file may come just after the
# first frame: wait for both.
first="$frames/output0000.png"
settings="$home/.config/gravenhold/KRN10.INI"
started() { [ -f "$first" ] && grep -q IEND "$first" && [ -s "$settings" ]; }
for _ in $(seq 600); do
    started && break
    kill -0 "$game_pid" 2>/dev/null || {
        cat "$stage/game.log" >&2
        fail "the installed gravenhold ended before its first frame"
    }
    sleep 0.1
done
[ -f "$first" ] && grep -q IEND "$first" || fail "no first frame from the installed gravenhold in 60 s"
[ -s "$settings" ] || fail "the installed gravenhold wrote no settings file in 60 s"

game_folder=$(sed -n 2p "$settings")
[ "$game_folder" = "$prefix/share/gravenhold" ] ||
    fail "the installed gravenhold read its data from \"$game_folder\", not $prefix/share/gravenhold"
save_folder=$(sed -n 1p "$settings")
[ "$save_folder" = "$home/.local/share/gravenhold/savedat" ] && [ -d "$save_folder" ] ||
    fail "the installed gravenhold keeps its saves in \"$save_folder\""
echo "install check: $(grep -vc '^#' "$expected") files installed; the driver and the game run from them"
