# The cross-built host (under Wine) and the Linux build's must print the same for every example, and
# for each again with CR LF line ends and a Ctrl-Z before text that is never read.
#   cmake -DSOURCE_DIR=... -DWORK_DIR=... -DEMULATOR="env ... wine" -DHOST=... -DLIBRARY=...
#         -DLINUX_HOST=... -DLINUX_LIBRARY=... -P compare_hosts.cmake
foreach(variable SOURCE_DIR WORK_DIR EMULATOR HOST LIBRARY LINUX_HOST LINUX_LIBRARY)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "compare_hosts: ${variable} is not set")
  endif()
endforeach()
if(NOT EXISTS ${LINUX_HOST} OR NOT EXISTS ${LINUX_LIBRARY})
  message(FATAL_ERROR "No Linux build to compare with (${LINUX_HOST}): run `make build` first")
endif()

file(GLOB examples RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/examples/*.oxel)
list(SORT examples)

file(MAKE_DIRECTORY ${WORK_DIR})
string(ASCII 26 ctrl_z)
set(files ${examples})
foreach(example ${examples})
  get_filename_component(name ${example} NAME)
  file(READ ${SOURCE_DIR}/${example} text)
  string(REPLACE "\n" "\r\n" text "${text}")
  set(variant ${WORK_DIR}/crlf_${name})
  file(WRITE ${variant} "${text}${ctrl_z}\r\nEND OXEL garbage that is never read\r\n")
  list(APPEND files ${variant})
endforeach()

separate_arguments(emulator UNIX_COMMAND "${EMULATOR}")
execute_process(COMMAND ${emulator} ${HOST} ${LIBRARY} ${files} WORKING_DIRECTORY ${SOURCE_DIR}
                OUTPUT_VARIABLE windows RESULT_VARIABLE windows_status ERROR_VARIABLE windows_errors)
execute_process(COMMAND ${LINUX_HOST} ${LINUX_LIBRARY} ${files} WORKING_DIRECTORY ${SOURCE_DIR}
                OUTPUT_VARIABLE linux RESULT_VARIABLE linux_status ERROR_VARIABLE linux_errors)
if(NOT windows_status EQUAL 0 OR NOT linux_status EQUAL 0)
  message(FATAL_ERROR "host_check failed: Windows ${windows_status} ${windows_errors}"
                      "Linux ${linux_status} ${linux_errors}")
endif()

file(WRITE ${WORK_DIR}/windows.txt "${windows}")
file(WRITE ${WORK_DIR}/linux.txt "${linux}")
if(NOT windows STREQUAL linux)
  execute_process(COMMAND diff -u linux.txt windows.txt WORKING_DIRECTORY ${WORK_DIR})
  message(FATAL_ERROR "The two builds' hosts print differently (${WORK_DIR}/linux.txt, windows.txt)")
endif()

# Every file parses, the variants too: the text behind each Ctrl-Z would be a syntax error.
string(REGEX MATCHALL "\nparse 0," parsed "\n${linux}")
list(LENGTH parsed parsed_count)
list(LENGTH files file_count)
if(NOT parsed_count EQUAL file_count)
  message(FATAL_ERROR "${parsed_count} of ${file_count} files parsed:\n${linux}")
endif()
message(STATUS "${file_count} files read and checked alike by both builds")
