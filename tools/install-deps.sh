#!/bin/sh
# Installs what a fresh Debian machine lacks to build and test oxel32 (the
# test of the install builds a host through pkg-config too; pytest runs the
# Python package's tests, mypy checks its types, pip installs it):
# with apt-get when run as root, otherwise it prints the command to run.
#
#   sh tools/install-deps.sh          the Linux build
#   sh tools/install-deps.sh win32    also the 32-bit Windows cross build: the
#                                     i686 mingw-w64 compilers and GoogleTest's
#                                     sources, and 32-bit Wine (with the i386
#                                     architecture) only where this machine can
#                                     start 32-bit programs at all
#   sh tools/install-deps.sh win64    also the 64-bit Windows cross build: the
#                                     x86_64 mingw-w64 compilers, 64-bit Wine
#                                     and GoogleTest's sources
#   sh tools/install-deps.sh fuzz     also clang with libFuzzer (make fuzz)
#   sh tools/install-deps.sh coverage also gcovr (make coverage)
#   sh tools/install-deps.sh browser  also Chromium, its driver and Selenium
#                                     (make browser-check)
set -e
cd "$(dirname "$0")/.."

# Installs those of the packages given that are missing; 1 when it cannot.
install_missing() {
    missing=""
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
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
        return 1
    fi
}

packages="g++ cmake make bison libgtest-dev pkg-config python3-pytest python3-mypy python3-pip"
case "${1:-}" in
win32) packages="$packages g++-mingw-w64-i686 googletest" ;;
win64) packages="$packages g++-mingw-w64-x86-64 wine wine64 googletest" ;;
fuzz) packages="$packages clang libclang-rt-14-dev" ;;
coverage) packages="$packages gcovr" ;;
browser) packages="$packages chromium chromium-driver python3-selenium" ;;
esac
install_missing $packages

# 32-bit Wine only where the kernel starts 32-bit programs: elsewhere it
# could never run, and make win32-check says so instead.
if [ "${1:-}" = win32 ]; then
    if sh tools/probe-32bit.sh kernel >/dev/null; then
        install_missing wine wine32:i386
    fi
fi
exit 0
