#!/bin/sh
# The program answers --help and --version on a terminal with no display at all: it prints and
# ends with 0 before the window system starts. $1 is the program, $2 its version.
set -eu
program=$1
expected="gravenhold $2"
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"
}
help=$(run --help)
for option in "--zoom <N>" "--game-dir <DIR>" "--version" "--help"; do
    case $help in
    *"$option"*) ;;
    *) echo "--help does not name $option:"; echo "$help"; exit 1 ;;
    esac
done
version=$(run --version)
[ "$version" = "$expected" ] || { echo "--version printed: $version"; exit 1; }
[ "$(run -h --zoom 2)" = "$help" ] || { echo "-h printed another text"; exit 1; }
echo "command line: 3 passed, 0 failed"
