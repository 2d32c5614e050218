#!/usr/bin/env bash
# Plays a variant of the first lap: the scripts a NAME.pieces file lists (one a line, paths
# relative to it, "#" lines are comments) as one script in one game from a new game, and
# compares what it prints with NAME.expected beside it. Reports the first difference.
set -u
cli="$1"
pieces="$2"
folder=$(dirname "$pieces")
mapfile -t scripts < <(grep -v '^[[:space:]]*\(#\|$\)' "$pieces" | sed "s|^|$folder/|")
script=$(mktemp)
trap 'rm -f "$script"' EXIT
cat "${scripts[@]}" >"$script" || exit 1
exec bash "$(dirname "$0")/run_scenario.sh" "$cli" "$script" "${pieces%.pieces}.expected"
