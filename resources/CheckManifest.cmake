# Reads the application manifest back from a built program's resource section and fails the build
# when it is missing, asks for anything but running with the rights of whoever starts it, or
# depends on Common Controls 6. windres (binutils' own reader of PE resources) lists the
# resources as a resource script, which serves for both the x86_64 and the i686 build.
#   cmake -DRC=<windres> -DPROGRAM=<program.exe> -P CheckManifest.cmake
execute_process(COMMAND ${RC} -i ${PROGRAM} -O rc
                OUTPUT_VARIABLE script RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM}: cannot list its resources: ${errors}")
endif()

# The manifest is resource 1 of type 24 (RT_MANIFEST), listed as quoted lines up to its END.
string(FIND "${script}" "\n1 24 " start)
if(start EQUAL -1)
  message(FATAL_ERROR "${PROGRAM}: no application manifest (resource 1 of type RT_MANIFEST)")
endif()
string(SUBSTRING "${script}" ${start} -1 block)
string(FIND "${block}" "\nEND" end)
string(SUBSTRING "${block}" 0 ${end} block)
string(REGEX MATCHALL "\"([^\"]|\"\")*\"" pieces "${block}")
set(manifest "")
foreach(piece IN LISTS pieces)
  string(REGEX REPLACE "^\"(.*)\"$" "\\1" piece "${piece}")
  string(REPLACE "\"\"" "\"" piece "${piece}")
  string(REPLACE "\\n" "\n" piece "${piece}")
  string(APPEND manifest "${piece}")
endforeach()

foreach(required
        "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"
        "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>")
  string(FIND "${manifest}" "${required}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "${PROGRAM}: the manifest lacks ${required}:\n${manifest}")
  endif()
endforeach()
string(FIND "${manifest}" "Microsoft.Windows.Common-Controls" found)
if(NOT found EQUAL -1)
  message(FATAL_ERROR "${PROGRAM}: the manifest depends on Common Controls:\n${manifest}")
endif()
