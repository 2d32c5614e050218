#!/bin/bash
# The layers hold in the build itself: with the compile command the build uses for a file of
# each library of src/, an include of the library's own folder compiles and an include of the
# layer above it fails, naming no file.
# usage: upward_include.sh BUILD_DIR SOURCE_DIR LAYER:FOLDER... (from the bottom up)
set -u
build=$1 source=$2
shift 2
layers=("$@")
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
status=0

# The compile command of a source file of src/FOLDER, preprocessing only and writing nothing,
# ready for the file to try to be appended.
command_of() {
    awk -v folder="/src/$1/" '
        /"command":/ { command = $0 }
        /"file":/ && index($0, folder) && /\.cpp"/ { print command; exit }' \
        "$build/compile_commands.json" |
        sed -E 's/^ *"command": "//; s/",?$//; s/\\"/"/g; s/\\\\/\\/g; s/ -o [^ ]+ -c [^ ]+/ -E -o \/dev\/null/'
}

header_of() { (cd "$source/src/$1" && ls -- *.h | head -n 1); }

# try NAME FOLDER COMMAND: preprocess a file that includes a header of FOLDER.
try() {
    echo "#include \"$2/$(header_of "$2")\"" >"$probe/$1.cpp"
    eval "$3 $probe/$1.cpp" 2>"$probe/$1.err"
}

for ((i = 0; i < ${#layers[@]}; i++)); do
    layer=${layers[i]%%:*} folder=${layers[i]#*:}
    command=$(command_of "$folder")
    if [ -z "$command" ]; then
        echo "$layer: no compile command for a file of src/$folder"
        status=1
        continue
    fi
    if ! try own "$folder" "$command"; then
        echo "$layer: an include of its own folder $folder fails:"
        cat "$probe/own.err"
        status=1
    fi
    ((i + 1 < ${#layers[@]})) || continue
    above=${layers[i + 1]#*:}
    if try above "$above" "$command"; then
        echo "$layer: an include of $above, a folder of the layer above, compiles"
        status=1
    elif ! grep -q 'No such file' "$probe/above.err"; then
        echo "$layer: an include of $above fails for another reason:"
        cat "$probe/above.err"
        status=1
    elif [ "$i" = 0 ]; then
        head -n 1 "$probe/above.err" # what an upward include says, once
    fi
done
exit $status
