# What the two Windows toolchain files share: Debian's mingw-w64 compilers of
# OXEL_MINGW_PREFIX, set by the file that includes this one, and the target's
# headers and libraries.
set(CMAKE_SYSTEM_NAME Windows)

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
