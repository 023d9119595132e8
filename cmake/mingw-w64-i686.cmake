# Cross-building for 32-bit Windows with Debian's i686 mingw-w64 compilers.
# Programs built here run under Wine: tests and test discovery go through it.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(OXEL_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# Quiet, and without the offer to install Wine's .NET and browser engines.
set(CMAKE_CROSSCOMPILING_EMULATOR env WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= wine)
