#!/bin/sh
# Reads a built oxel32.dll's tables without running anything: its export
# table must hold exactly the functions the public header declares, under
# their plain names (no stdcall decoration such as OxelParse@8, nothing
# else), and it must import only from the system's own libraries.
#
#   sh check_dll_exports.sh OBJDUMP DLL HEADER
set -eu
objdump=$1 dll=$2 header=$3
work=$(mktemp -d "${TMPDIR:-/tmp}/oxel-exports.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Every declaration starts a line with OXEL_API and names its function before the first parenthesis.
grep '^OXEL_API' "$header" |
    sed 's/^OXEL_API[^(]*[^A-Za-z0-9_(]\([A-Za-z_][A-Za-z0-9_]*\)(.*/\1/' | sort >"$work/declared"
declarations=$(grep -c '^OXEL_API' "$header")
if [ "$(grep -c '^[A-Za-z_][A-Za-z0-9_]*$' "$work/declared")" != "$declarations" ]; then
    echo "$header: could not read a name from every OXEL_API declaration" >&2
    exit 1
fi

"$objdump" -p "$dll" >"$work/tables"
sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/s/^[[:space:]]*\[ *[0-9]*\] //p' "$work/tables" | sort >"$work/exported"
sed -n 's/^[[:space:]]*DLL Name: //p' "$work/tables" | tr a-z A-Z | sort -u >"$work/imports"

status=0
if ! diff -u "$work/declared" "$work/exported" >"$work/diff"; then
    echo "$dll: its export table differs from the header (- declared only, + exported only):" >&2
    tail -n +3 "$work/diff" | grep '^[-+]' >&2
    status=1
fi
if [ "$(cat "$work/imports" | tr '\n' ' ')" != "KERNEL32.DLL MSVCRT.DLL " ]; then
    echo "$dll: imports from $(cat "$work/imports" | tr '\n' ' ')instead of KERNEL32.DLL and MSVCRT.DLL only" >&2
    status=1
fi
[ $status = 0 ] && echo "$dll: exports the header's $declarations functions by plain name, imports only KERNEL32.DLL and MSVCRT.DLL"
exit $status
