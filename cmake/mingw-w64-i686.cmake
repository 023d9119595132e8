# Cross-building for 32-bit Windows with Debian's i686 mingw-w64 compilers.
# Programs built here run under Wine: tests and test discovery go through it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(OXEL_MINGW_PREFIX i686-w64-mingw32)
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

# Quiet, and without the offer to install Wine's .NET and browser engines.
set(CMAKE_CROSSCOMPILING_EMULATOR env WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= wine)
