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
# A BSDL device and the OXEL description its import gives, written out: both read clean and show the same.
/usr/bin/python3 "$generator" bsdl "$work/device.bsd" --count 300 --oxel "$work/device.oxel"
messages=$("$oxel" --level 2 parse "$work/device.bsd" 2>&1) || { echo "device.bsd: import failed"; echo "$messages"; exit 1; }
[ -z "$messages" ] || { echo "device.bsd: $messages"; exit 1; }
"$oxel" show --json "$work/device.bsd" | grep -v '"file"\|"source"\|"bsdl_file"' >"$work/device.bsd.json"
"$oxel" show --json "$work/device.oxel" | grep -v '"file"\|"source"\|"bsdl_file"' >"$work/device.oxel.json"
cmp -s "$work/device.bsd.json" "$work/device.oxel.json" || { echo "device.bsd and device.oxel show differently"; exit 1; }
/usr/bin/python3 "$generator" device "$work/wide_device.oxel" --count 500
/usr/bin/python3 "$generator" parts "$work/parts.oxel" --count 20
for file in "$work"/*.oxel; do
    # Errors and warnings at level 2; a clean parse prints nothing.
    messages=$("$oxel" --level 2 parse "$file" 2>&1) || { echo "$file: parse failed"; echo "$messages"; exit 1; }
    [ -z "$messages" ] || { echo "$file: $messages"; exit 1; }
    [ -n "$("$oxel" components "$file")" ] || { echo "$file: no component listed"; exit 1; }
done
echo "bench corpus: every shape parses, the BSDL device imports as its OXEL twin reads"
