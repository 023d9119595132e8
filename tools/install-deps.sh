#!/bin/sh
# Installs what a fresh Debian machine lacks to build and test oxel32 (the
# test of the install builds a host through pkg-config too; pytest runs the
# Python package's tests):
# with apt-get when run as root, otherwise it prints the command to run.
#
#   sh tools/install-deps.sh          the Linux build
#   sh tools/install-deps.sh win32    also the 32-bit Windows cross build: the
#                                     mingw-w64 compilers, Wine (32-bit) and
#                                     GoogleTest's sources
set -e
packages="g++ cmake make bison libgtest-dev pkg-config python3-pytest"
if [ "${1:-}" = win32 ]; then
    packages="$packages g++-mingw-w64-i686 wine wine32:i386 googletest"
fi
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
# 32-bit Wine comes from the i386 architecture.
case "$missing" in
*:i386*) foreign=$(dpkg --print-foreign-architectures | grep -qx i386 || echo i386) ;;
*) foreign="" ;;
esac
if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
    echo "Installing:$missing"
    [ -z "$foreign" ] || dpkg --add-architecture i386
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
else
    echo "Missing packages:$missing"
    [ -z "$foreign" ] || echo "Enable 32-bit packages first: sudo dpkg --add-architecture i386 && sudo apt-get update"
    echo "Install them with: sudo apt-get install -y$missing"
    exit 1
fi
