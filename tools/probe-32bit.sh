#!/bin/sh
# Can this machine start 32-bit programs? Asked by starting one, not guessed
# from the kernel's version: many 64-bit kernels today are built or booted
# without 32-bit emulation, and then no 32-bit program starts, Wine's
# 32-bit loader included.
#
#   sh tools/probe-32bit.sh kernel    a 32-bit Linux program (needs binutils)
#   sh tools/probe-32bit.sh wine      that, then a 32-bit Windows program under
#                                     Wine (needs the i686 mingw-w64 compiler)
#
# Exits 0 when the program ran; otherwise prints one line saying why not and
# exits 1.
set -u
what=${1:-wine}
work=$(mktemp -d "${TMPDIR:-/tmp}/oxel-probe32.XXXXXX")
trap 'rm -rf "$work"' EXIT

# The smallest 32-bit program: exit(0) through the i386 system call gate.
printf '.globl _start\n_start:\n\tmovl $1, %%eax\n\txorl %%ebx, %%ebx\n\tint $0x80\n' >"$work/exit.s"
if ! as --32 "$work/exit.s" -o "$work/exit.o" 2>"$work/log" ||
   ! ld -m elf_i386 "$work/exit.o" -o "$work/exit32" 2>>"$work/log"; then
    echo "could not build the 32-bit probe: $(head -n 1 "$work/log")"
    exit 1
fi
if ! "$work/exit32" 2>"$work/log"; then
    echo "the kernel refuses 32-bit programs ($(sed -n 's/.*: //p' "$work/log" | head -n 1))"
    exit 1
fi
[ "$what" = kernel ] && exit 0

if [ ! -x /usr/lib/wine/wine ]; then
    echo "32-bit Wine is not installed (package wine32:i386)"
    exit 1
fi
printf '#include <stdio.h>\nint main(void) { puts("32-bit"); return 0; }\n' >"$work/probe.c"
if ! i686-w64-mingw32-gcc "$work/probe.c" -o "$work/probe.exe" 2>"$work/log"; then
    echo "could not build the 32-bit Windows probe: $(head -n 1 "$work/log")"
    exit 1
fi
out=$(WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= /usr/lib/wine/wine "$work/probe.exe" 2>"$work/log")
if [ "$out" != "32-bit" ]; then
    echo "32-bit Wine cannot start a program here ($(grep -v '^$' "$work/log" | head -n 1))"
    exit 1
fi
exit 0
