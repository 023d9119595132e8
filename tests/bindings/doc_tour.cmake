# The program a page of documentation shows, piece by piece, and what it prints.
#   cmake -DMODE=extract -DDOC=page.md -DOUT=program.cc -P doc_tour.cmake
#       writes the page's ```cpp blocks, in order, as one program
#   cmake -DMODE=compare -DDOC=page.md -DPROGRAM=exe -DINPUT=file -DWORKING=dir -P doc_tour.cmake
#       runs the program on the input from the working folder; its output must be the page's
#       ```text block, byte for byte

cmake_minimum_required(VERSION 3.20)

# The blocks of one language of a page: the lines between its opening fence and the next fence.
function(blocks_of doc language result)
  file(READ "${doc}" page)
  set(text "")
  while(TRUE)
    string(FIND "${page}" "\n```${language}\n" start)
    if(start EQUAL -1)
      break()
    endif()
    string(LENGTH "\n```${language}\n" fence)
    math(EXPR start "${start} + ${fence}")
    string(SUBSTRING "${page}" ${start} -1 page)
    string(FIND "${page}" "\n```" end)
    if(end EQUAL -1)
      message(FATAL_ERROR "${doc}: a ${language} block is not closed")
    endif()
    math(EXPR end "${end} + 1")
    string(SUBSTRING "${page}" 0 ${end} block)
    string(APPEND text "${block}")
    string(SUBSTRING "${page}" ${end} -1 page)
  endwhile()
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

if(MODE STREQUAL "extract")
  blocks_of("${DOC}" cpp program)
  if(program STREQUAL "")
    message(FATAL_ERROR "${DOC} shows no C++")
  endif()
  file(WRITE "${OUT}.new" "// Written from ${DOC}: edit the page, not this file.\n${program}")
  # Rewritten only when it changes, so that an unchanged page builds nothing again.
  execute_process(COMMAND "${CMAKE_COMMAND}" -E copy_if_different "${OUT}.new" "${OUT}")
  file(REMOVE "${OUT}.new")
elseif(MODE STREQUAL "compare")
  blocks_of("${DOC}" text shown)
  execute_process(COMMAND "${PROGRAM}" "${INPUT}" WORKING_DIRECTORY "${WORKING}"
                  OUTPUT_VARIABLE printed ERROR_VARIABLE complaints RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "The program of ${DOC} ends with ${status}:\n${complaints}")
  endif()
  if(NOT printed STREQUAL shown)
    message(FATAL_ERROR "The program of ${DOC} prints\n${printed}\ninstead of what the page shows:\n${shown}")
  endif()
else()
  message(FATAL_ERROR "MODE must be extract or compare")
endif()
