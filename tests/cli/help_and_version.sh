#!/bin/sh
# help_and_version.sh PROGRAM NAME VERSION: a program we ship answers --help with its usage on
# standard output and --version with its name and version, both ending with 0.
set -eu
program=$1 name=$2 version=$3
help=$("$program" --help) || { echo "--help ended with $?"; exit 1; }
case $help in
*"usage: $name "*) ;;
*) echo "--help printed no usage:"; echo "$help"; exit 1 ;;
esac
printed=$("$program" --version) || { echo "--version ended with $?"; exit 1; }
[ "$printed" = "$name $version" ] || { echo "--version printed: $printed"; exit 1; }
echo "$name: 2 passed, 0 failed"
