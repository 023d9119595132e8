# Rebuilds the import library of a DLL linked with --kill-at.
#
#   cmake -DDLLTOOL=... -DDLL=name.dll -DDEF=exports.def -DIMPORT_LIBRARY=lib.dll.a -P this
#
# The linker's own import library would carry the plain export names, so a
# host compiled against the header (which asks for _OxelParse@8) could not
# link. The definitions the linker wrote (OxelParse = OxelParse@8) are turned
# back into decorated names, and dlltool --kill-at makes an import library
# whose symbols keep the decoration while the DLL is entered by plain name.
foreach(variable DLLTOOL DLL DEF IMPORT_LIBRARY)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "stdcall-import-library: ${variable} is not set")
  endif()
endforeach()

file(READ ${DEF} exports)
string(REGEX REPLACE "([A-Za-z_][A-Za-z0-9_]*) = ([A-Za-z_][A-Za-z0-9_]*@[0-9]+)" "\\2"
       decorated "${exports}")
set(decorated_def ${DEF}.decorated)
file(WRITE ${decorated_def} "${decorated}")
get_filename_component(dll_name ${DLL} NAME)
execute_process(
  COMMAND ${DLLTOOL} --kill-at --input-def ${decorated_def} --dllname ${dll_name}
          --output-lib ${IMPORT_LIBRARY}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "dlltool could not write ${IMPORT_LIBRARY}")
endif()
