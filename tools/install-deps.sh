#!/bin/sh
# Installs what a fresh Debian machine lacks to build and test oxel32:
# with apt-get when run as root, otherwise it prints the command to run.
set -e
packages="g++ cmake make bison libgtest-dev"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null 2>&1; then
    echo "Installing:$missing"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
else
    echo "Missing packages:$missing"
    echo "Install them with: sudo apt-get install -y$missing"
    exit 1
fi
