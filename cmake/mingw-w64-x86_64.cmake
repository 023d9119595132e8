# Cross-building for 64-bit Windows with Debian's x86_64 mingw-w64 compilers.
# Programs built here run under Wine's 64-bit loader: tests and test
# discovery go through it.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(OXEL_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

# Wine's 64-bit loader itself, not the `wine` script: where 32-bit Wine is
# installed too, the script would start the 32-bit loader first. Quiet, and
# without the offer to install Wine's .NET and browser engines.
set(CMAKE_CROSSCOMPILING_EMULATOR env WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= /usr/lib/wine/wine64)
