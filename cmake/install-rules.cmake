# What `cmake --install` puts in place: the headers, the shared library, the
# oxel tool with its man page, and the files through which other projects
# find the library (pkg-config's oxel32.pc, CMake's oxel32Config.cmake).
# The test suite and the static archive it links stay in the build tree.
include(CMakePackageConfigHelpers)

set(OXEL_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/oxel32)

install(TARGETS oxel32 EXPORT oxel32Targets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${CMAKE_SOURCE_DIR}/include/oxel32.h ${CMAKE_SOURCE_DIR}/include/oxel32.hpp
              ${OXEL_GENERATED_INCLUDE_DIR}/oxel32_version.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

# The installed tool finds the library beside it under any prefix.
if(NOT WIN32)
  file(RELATIVE_PATH OXEL_BIN_TO_LIB ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR})
  set_target_properties(oxel PROPERTIES INSTALL_RPATH "$ORIGIN/${OXEL_BIN_TO_LIB}")
endif()
install(TARGETS oxel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/doc/oxel.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# find_package(oxel32 0.2) gives the imported target oxel32::oxel32. A later
# release of the same major version keeps the exports and record layouts, as
# the library's SONAME says.
install(EXPORT oxel32Targets NAMESPACE oxel32:: DESTINATION ${OXEL_PACKAGE_DIR})
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/oxel32Config.cmake.in
                              ${CMAKE_BINARY_DIR}/oxel32Config.cmake
                              INSTALL_DESTINATION ${OXEL_PACKAGE_DIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/oxel32ConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/oxel32Config.cmake ${CMAKE_BINARY_DIR}/oxel32ConfigVersion.cmake
        DESTINATION ${OXEL_PACKAGE_DIR})

# oxel32.pc names the directories it is installed under, and
# `cmake --install --prefix` may choose another prefix than the configured
# one: the file is written at install time, for the prefix then in force.
foreach(kind LIBDIR INCLUDEDIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${kind}}")
    set(OXEL_PC_${kind} "${CMAKE_INSTALL_${kind}}")
  else()
    set(OXEL_PC_${kind} "\${prefix}/${CMAKE_INSTALL_${kind}}")
  endif()
endforeach()
install(CODE "
  set(OXEL_PC_LIBDIR [[${OXEL_PC_LIBDIR}]])
  set(OXEL_PC_INCLUDEDIR [[${OXEL_PC_INCLUDEDIR}]])
  set(PROJECT_VERSION [[${PROJECT_VERSION}]])
  configure_file([[${CMAKE_SOURCE_DIR}/cmake/oxel32.pc.in]] [[${CMAKE_BINARY_DIR}/oxel32.pc]] @ONLY)")
install(FILES ${CMAKE_BINARY_DIR}/oxel32.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The Python package, where the Python of the install prefix imports from: under /usr/local
# Debian's python3 finds it in lib/python3.X/dist-packages; under another prefix it goes where a
# Python installed there would keep its packages (set PYTHONPATH to use it). The folder is
# chosen at install time, for the prefix then in force; OXEL_PYTHON_INSTALL_DIR (relative to the
# prefix, or absolute) chooses it instead. Beside the package, _installed.py names the library
# installed here by its path from the package, so that an install staged under DESTDIR and moved
# into place still finds it.
option(OXEL_INSTALL_PYTHON "Install the Python package with the library" ON)
set(OXEL_PYTHON_INSTALL_DIR "" CACHE STRING
    "Folder of the Python package's install (empty: where the prefix's Python finds it)")
if(OXEL_INSTALL_PYTHON AND NOT CMAKE_CROSSCOMPILING)
  if(NOT Python3_Interpreter_FOUND AND OXEL_PYTHON_INSTALL_DIR STREQUAL "")
    message(STATUS "No Python 3 interpreter: the Python package is not installed")
  else()
    install(CODE "
      set(OXEL_PYTHON [[${Python3_EXECUTABLE}]])
      set(OXEL_PYTHON_INSTALL_DIR [[${OXEL_PYTHON_INSTALL_DIR}]])
      set(OXEL_LIBDIR [[${CMAKE_INSTALL_LIBDIR}]])
      set(OXEL_LIBRARY_FILE [[$<TARGET_SONAME_FILE_NAME:oxel32>]])
      set(OXEL_SOURCE_DIR [[${CMAKE_SOURCE_DIR}]])
      set(OXEL_BINARY_DIR [[${CMAKE_BINARY_DIR}]])
      include([[${CMAKE_SOURCE_DIR}/cmake/install-python-package.cmake]])")
  endif()
endif()
