#!/bin/sh
# The installed library as another project meets it: stage an install, build a host against it
#   sh check_install.sh BUILD_DIR WORK_DIR VERSION LIBDIR CC [CFLAGS [CXX]]
# Hosts are built through find_package and through pkg-config; CFLAGS must match a sanitized library.
set -eu

build=$1 work=$2 version=$3 libdir=$4 cc=$5 cflags=${6:-} cxx=${7:-c++}
here=$(cd "$(dirname "$0")" && pwd)
example=$here/../../examples/jx200.oxel
cpp_host=$here/../../examples/cpp/list_components.cc
prefix=$work/prefix
major=${version%%.*}
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Runs a step quietly; on failure shows what it printed and stops.
step() {
    what=$1; shift
    if ! "$@" >"$work/step.log" 2>&1; then
        cat "$work/step.log"
        echo "FAIL: $what"
        exit 1
    fi
}

rm -rf "$work" && mkdir -p "$work"
step "cmake --install" cmake --install "$build" --prefix "$prefix"

# Exactly what a host needs; no tests, no static archive. The Python package's install is
# checked by the package's own tests.
(cd "$prefix" && find . ! -type d ! -path './lib/python3*' | sed 's|^\./||; s|oxel32Targets-.*|oxel32Targets-CONFIG.cmake|' |
    LC_ALL=C sort) >"$work/installed.txt"
LC_ALL=C sort >"$work/wanted.txt" <<EOF
bin/oxel
include/oxel32.h
include/oxel32.hpp
include/oxel32_version.h
share/man/man1/oxel.1
$libdir/liboxel32.so
$libdir/liboxel32.so.$major
$libdir/liboxel32.so.$version
$libdir/pkgconfig/oxel32.pc
$libdir/cmake/oxel32/oxel32Config.cmake
$libdir/cmake/oxel32/oxel32ConfigVersion.cmake
$libdir/cmake/oxel32/oxel32Targets.cmake
$libdir/cmake/oxel32/oxel32Targets-CONFIG.cmake
EOF
diff "$work/wanted.txt" "$work/installed.txt" || fail "other files are installed than those wanted (<)"
[ "$(readlink "$prefix/$libdir/liboxel32.so")" = "liboxel32.so.$major" ] &&
    [ "$(readlink "$prefix/$libdir/liboxel32.so.$major")" = "liboxel32.so.$version" ] ||
    fail "liboxel32.so does not link through liboxel32.so.$major to liboxel32.so.$version"
objdump -p "$prefix/$libdir/liboxel32.so.$version" | grep -q "SONAME *liboxel32\.so\.$major\$" ||
    fail "the library's SONAME is not liboxel32.so.$major"

# The installed tool finds the installed library by itself.
tool_version=$("$prefix/bin/oxel" --version) || fail "the installed oxel does not run"
[ "$tool_version" = "oxel $version" ] || fail "oxel --version says '$tool_version', not 'oxel $version'"
"$prefix/bin/oxel" components "$example" | sed 's/^/component /' >"$work/expected.txt"

# Runs a host build on the example: it names the versions of the library and
# of the header first, then the components the tool's quick scan names.
run_host() {
    what=$1; shift
    if ! "$@" "$example" >"$work/host.txt" 2>"$work/host.err"; then
        cat "$work/host.txt" "$work/host.err"
        fail "the host built with $what fails on the example"
        return
    fi
    [ "$(head -n 1 "$work/host.txt")" = "oxel32 $version, header $version = $version" ] ||
        fail "the host built with $what does not see version $version: $(head -n 1 "$work/host.txt")"
    grep '^component ' "$work/host.txt" | cmp -s - "$work/expected.txt" ||
        fail "the host built with $what names other components than oxel components"
}

# find_package(oxel32 0.2 REQUIRED) and the imported target oxel32::oxel32.
step "the find_package build configures" \
    cmake -S "$here" -B "$work/cmake-host" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_C_COMPILER="$cc" \
    -DCMAKE_C_FLAGS="$cflags" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_CXX_FLAGS="$cflags" \
    -DOXEL_CPP_HOST="$cpp_host"
step "the find_package build builds" cmake --build "$work/cmake-host"
run_host find_package "$work/cmake-host/consumer"
run_host "find_package (C++)" "$work/cmake-host/cpp_consumer"

# pkg-config, with no other folder to look in than the staged one.
export PKG_CONFIG_LIBDIR=$prefix/$libdir/pkgconfig
[ "$(pkg-config --modversion oxel32)" = "$version" ] || fail "pkg-config gives another version"
[ "$(pkg-config --variable=libdir oxel32)" = "$prefix/$libdir" ] ||
    fail "oxel32.pc names libdir $(pkg-config --variable=libdir oxel32), not $prefix/$libdir"
# shellcheck disable=SC2046,SC2086  # the flags are words
step "the pkg-config build compiles" \
    "$cc" $cflags -std=c99 -Wall -Wextra -pedantic -Werror "$here/consumer.c" -o "$work/pc-host" \
    $(pkg-config --cflags --libs oxel32)
run_host pkg-config env LD_LIBRARY_PATH="$prefix/$libdir" "$work/pc-host"

# The man page covers every command and option that --help lists.
"$prefix/bin/oxel" --help >"$work/help.txt"
sed 's/\\-/-/g' "$prefix/share/man/man1/oxel.1" >"$work/man.txt"
for word in $(sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p; s/^  \([a-z][a-z-]*\)$/\1/p' "$work/help.txt") \
            $(grep -o -- '--[a-z][a-z-]*' "$work/help.txt" | sort -u); do
    grep -q -- "$word" "$work/man.txt" || fail "oxel.1 does not mention $word"
done

[ "$failures" -eq 0 ] || { echo "$failures check(s) of the install failed"; exit 1; }
echo "install: library, tool and package files in place; find_package and pkg-config hosts run"
