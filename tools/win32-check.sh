#!/bin/sh
# make win32-check, after the Linux build and the 32-bit cross build: the
# cross-built suite and the host comparison under 32-bit Wine where this
# machine can start 32-bit programs. Where it cannot, what can be checked
# without running them is checked (the build itself proved the records'
# layout; the DLL's export and import tables are read here), and one line says
# that the 32-bit programs were not run and why. A failure of anything that
# did run fails the target.
set -eu
cd "$(dirname "$0")/.."
build=build/win32
jobs=${JOBS:-2}

for built in oxel32.dll liboxel32.dll.a oxel.exe; do
    if [ ! -f "$build/$built" ]; then
        echo "win32-check: $build/$built was not built" >&2
        exit 1
    fi
done

if reason=$(sh tools/probe-32bit.sh wine); then
    exec ctest --preset win32 -j "$jobs"
fi
sh tests/host/check_dll_exports.sh i686-w64-mingw32-objdump "$build/oxel32.dll" include/oxel32.h
echo "win32-check: the 32-bit programs were built but not run: $reason."
