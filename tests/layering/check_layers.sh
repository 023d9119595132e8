#!/bin/sh
# Layering: no source file includes a header of a layer above its own
#   sh check_layers.sh SRC_DIR
# Every quoted include under SRC_DIR that points up (or across, between query and scan) is named with
# its file and line, and the script fails. The generated oxel_parser.hh is the grammar's.

src=${1:?usage: check_layers.sh SRC_DIR}
[ -d "$src" ] || { echo "no such folder: $src"; exit 2; }
shown=$(basename "$src")

# Bottom to top; the grammar and the BSDL importer side by side, and query, scan and the writer.
rank() {
    case $1 in
    base) echo 0 ;;
    lexer) echo 1 ;;
    model) echo 2 ;;
    grammar | bsdl) echo 3 ;;
    query | scan | write) echo 4 ;;
    check) echo 5 ;;
    interface) echo 6 ;;
    esac
}

# The layer a quoted include names; any other bare name is the file's own folder or the public header.
target_layer() {
    case $1 in
    oxel_parser.hh) echo grammar ;;
    */*) echo "${1%%/*}" ;;
    esac
}

faults=$(
    cd "$src" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | while IFS= read -r file; do
        layer=${file%%/*}
        [ "$layer" = "$file" ] && layer=
        own=$(rank "$layer")
        if [ -z "$own" ]; then
            echo "$shown/$file: folder '$layer' has no place in the layer order"
            continue
        fi
        grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" |
            sed -n 's/^\([0-9]*\):[^"]*"\([^"]*\)".*/\1 \2/p' |
            while read -r line header; do
                other=$(target_layer "$header")
                [ -z "$other" ] && continue
                theirs=$(rank "$other")
                where="$shown/$file:$line: includes $header"
                if [ -z "$theirs" ]; then
                    echo "$where: folder '$other' has no place in the layer order"
                elif [ "$theirs" -gt "$own" ]; then
                    echo "$where: $other lies above $layer"
                elif [ "$theirs" -eq "$own" ] && [ "$other" != "$layer" ]; then
                    echo "$where: $layer and $other stand side by side and may not include each other"
                fi
            done
    done
)

if [ -n "$faults" ]; then
    printf '%s\n' "$faults"
    echo "$(printf '%s\n' "$faults" | wc -l | tr -d ' ') include(s) break the layering"
    exit 1
fi
echo "layering: every include points down"
