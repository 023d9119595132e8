# The bindings' checks beside their tests: the Python package's annotations under mypy --strict,
# and the C++ program of doc/cpp.md, built from the page and run on an example, printing what the
# page shows. (The Python tour of doc/python.md runs with the package's tests.) Included from
# tests/CMakeLists.txt; not in a cross build, whose programs this machine does not run directly.
if(CMAKE_CROSSCOMPILING)
  return()
endif()

if(Python3_Interpreter_FOUND)
  add_test(NAME Bindings.ThePythonPackageTypeChecksStrictly
           COMMAND ${Python3_EXECUTABLE} -m mypy --strict --no-error-summary
                   --cache-dir ${CMAKE_CURRENT_BINARY_DIR}/mypy_cache ${CMAKE_SOURCE_DIR}/python/oxel32)
endif()

set(OXEL_DOC_TOUR ${CMAKE_CURRENT_SOURCE_DIR}/bindings/doc_tour.cmake)
set(OXEL_CPP_TOUR ${CMAKE_CURRENT_BINARY_DIR}/cpp_tour.cc)
add_custom_command(OUTPUT ${OXEL_CPP_TOUR}
  COMMAND ${CMAKE_COMMAND} -DMODE=extract -DDOC=${CMAKE_SOURCE_DIR}/doc/cpp.md -DOUT=${OXEL_CPP_TOUR}
          -P ${OXEL_DOC_TOUR}
  DEPENDS ${CMAKE_SOURCE_DIR}/doc/cpp.md ${OXEL_DOC_TOUR}
  COMMENT "Writing the program of doc/cpp.md")
add_executable(cpp_tour ${OXEL_CPP_TOUR})
target_link_libraries(cpp_tour PRIVATE oxel32)
add_test(NAME Bindings.TheCppTourPrintsWhatItsPageShows
         COMMAND ${CMAKE_COMMAND} -DMODE=compare -DDOC=${CMAKE_SOURCE_DIR}/doc/cpp.md
                 -DPROGRAM=$<TARGET_FILE:cpp_tour> -DINPUT=examples/jx200.oxel
                 -DWORKING=${CMAKE_SOURCE_DIR} -P ${OXEL_DOC_TOUR})
