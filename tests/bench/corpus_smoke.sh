#!/bin/sh
# Bench corpus smoke: each shape of the generator, small, parses clean with the tool
#   corpus_smoke.sh GENERATOR OXEL WORKDIR
set -eu
generator=$1 oxel=$2 work=$3
mkdir -p "$work"
/usr/bin/python3 "$generator" board "$work/board.oxel" --megabytes 0.3
for shape in chain netlist vrak; do
    /usr/bin/python3 "$generator" "$shape" "$work/$shape.oxel" --count 3000
done
/usr/bin/python3 "$generator" device "$work/device.oxel" --count 500
/usr/bin/python3 "$generator" parts "$work/parts.oxel" --count 20
for file in "$work"/*.oxel; do
    # Errors and warnings at level 2; a clean parse prints nothing.
    messages=$("$oxel" --level 2 parse "$file" 2>&1) || { echo "$file: parse failed"; echo "$messages"; exit 1; }
    [ -z "$messages" ] || { echo "$file: $messages"; exit 1; }
    [ -n "$("$oxel" components "$file")" ] || { echo "$file: no component listed"; exit 1; }
done
echo "bench corpus: every shape parses"
