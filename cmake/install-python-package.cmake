# Installs the Python package: run by `cmake --install`, for the prefix then in force. Given
# OXEL_PYTHON (the interpreter), OXEL_PYTHON_INSTALL_DIR (empty: ask the interpreter),
# OXEL_LIBDIR, OXEL_LIBRARY_FILE (the library's file name as hosts load it), OXEL_SOURCE_DIR
# and OXEL_BINARY_DIR.

set(python_dir "${OXEL_PYTHON_INSTALL_DIR}")
if(python_dir STREQUAL "")
  execute_process(COMMAND "${OXEL_PYTHON}" "${OXEL_SOURCE_DIR}/cmake/python-site-dir.py"
                          "${CMAKE_INSTALL_PREFIX}"
                  OUTPUT_VARIABLE python_dir OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE failed)
  if(failed OR python_dir STREQUAL "")
    message(FATAL_ERROR "Cannot tell where the Python package goes under ${CMAKE_INSTALL_PREFIX}")
  endif()
endif()
if(NOT IS_ABSOLUTE "${python_dir}")
  set(python_dir "${CMAKE_INSTALL_PREFIX}/${python_dir}")
endif()
set(library_dir "${OXEL_LIBDIR}")
if(NOT IS_ABSOLUTE "${library_dir}")
  set(library_dir "${CMAKE_INSTALL_PREFIX}/${library_dir}")
endif()

# The library by its path from the package: the same wherever DESTDIR stages the install.
file(RELATIVE_PATH library "${python_dir}/oxel32" "${library_dir}/${OXEL_LIBRARY_FILE}")
# Written apart for each destination, so that installs running side by side keep their own.
string(MD5 destination "$ENV{DESTDIR}${python_dir}")
set(record "${OXEL_BINARY_DIR}/python-install/${destination}/_installed.py")
file(WRITE "${record}" "\"\"\"Written by the install: the library, by its path from this folder.\"\"\"\n"
                       "LIBRARY = \"${library}\"\n")

file(GLOB sources "${OXEL_SOURCE_DIR}/python/oxel32/*.py")
list(FILTER sources EXCLUDE REGEX "/_installed[.]py$")
file(INSTALL ${sources} "${OXEL_SOURCE_DIR}/python/oxel32/py.typed" "${record}"
     DESTINATION "${python_dir}/oxel32")
