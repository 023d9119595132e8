# Cross-building for 64-bit Windows with Debian's x86_64 mingw-w64 compilers.
# Programs built here run under Wine's 64-bit loader: tests and test
# discovery go through it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(OXEL_MINGW_PREFIX x86_64-w64-mingw32)
# The POSIX thread model: GoogleTest needs std::mutex. The library starts no
# thread; winpthread is linked in statically with the rest of the runtime.
set(CMAKE_C_COMPILER ${OXEL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OXEL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${OXEL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${OXEL_MINGW_PREFIX})
# Build tools (bison) come from the host; headers and libraries from the target.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wine's 64-bit loader itself, not the `wine` script: where 32-bit Wine is
# installed too, the script would start the 32-bit loader first. Quiet, and
# without the offer to install Wine's .NET and browser engines.
set(CMAKE_CROSSCOMPILING_EMULATOR env WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= /usr/lib/wine/wine64)
