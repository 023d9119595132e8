#!/bin/sh
# Bench corpus smoke: each shape of the generator, small, parses clean with the tool
#   corpus_smoke.sh PYTHON GENERATOR OXEL WORKDIR
set -eu
python=$1 generator=$2 oxel=$3 work=$4
mkdir -p "$work"
"$python" "$generator" board "$work/board.oxel" --megabytes 0.3
for shape in chain netlist vrak; do
    "$python" "$generator" "$shape" "$work/$shape.oxel" --count 3000
done
for file in "$work"/*.oxel; do
    # Errors and warnings at level 2; a clean parse prints nothing.
    messages=$("$oxel" --level 2 parse "$file" 2>&1) || { echo "$file: parse failed"; echo "$messages"; exit 1; }
    [ -z "$messages" ] || { echo "$file: $messages"; exit 1; }
    [ -n "$("$oxel" components "$file")" ] || { echo "$file: no component listed"; exit 1; }
done
echo "bench corpus: every shape parses"
