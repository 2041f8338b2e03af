# Runs one driver script and compares its output with the expected file.
#   -DSIM=<orvela-sim> -DSCRIPT=<name.sim> -DWORK=<scratch folder>
# Directives in the script (comments to the driver):
#   #!args <options>   options for orvela-sim (quoted words allowed;
#                      <program-dir> stands for the program folder)
#   #!mkdir <name>     a folder of that name in the program folder
#   #!touch <name>     an empty file of that name in the program folder
#   #!write <name> <text>  a file with that text ("<name>" for a name with
#                      blanks); \r and \n stand for CR and LF,
#                      <program-dir> for the program folder
# The program folder is WORK, emptied first, unless #!args names another.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(STRINGS ${SCRIPT} _lines ENCODING UTF-8)
set(_args --program-dir ${WORK})
foreach(_line IN LISTS _lines)
  if(_line MATCHES "^#!args (.*)$")
    string(REPLACE "<program-dir>" "${WORK}" _given "${CMAKE_MATCH_1}")
    separate_arguments(_more UNIX_COMMAND "${_given}")
    list(APPEND _args ${_more})
  elseif(_line MATCHES "^#!mkdir (.*)$")
    file(MAKE_DIRECTORY ${WORK}/${CMAKE_MATCH_1})
  elseif(_line MATCHES "^#!touch (.*)$")
    file(WRITE ${WORK}/${CMAKE_MATCH_1} "")
  elseif(_line MATCHES "^#!write ")
    if(_line MATCHES "^#!write \"([^\"]+)\" (.*)$")
      set(_name "${CMAKE_MATCH_1}")
      set(_text "${CMAKE_MATCH_2}")
    elseif(_line MATCHES "^#!write ([^ ]+) (.*)$")
      set(_name "${CMAKE_MATCH_1}")
      set(_text "${CMAKE_MATCH_2}")
    endif()
    string(REPLACE "\\r" "\r" _text "${_text}")
    string(REPLACE "\\n" "\n" _text "${_text}")
    string(REPLACE "<program-dir>" "${WORK}" _text "${_text}")
    file(WRITE "${WORK}/${_name}" "${_text}")
  endif()
endforeach()
string(REGEX REPLACE "\\.sim$" ".out" _expected ${SCRIPT})
execute_process(COMMAND ${SIM} ${_args} ${SCRIPT}
                OUTPUT_VARIABLE _out ERROR_VARIABLE _err RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "orvela-sim exited ${_rc}: ${_err}")
endif()
# The program folder differs from run to run: print it as <program-dir>.
string(REPLACE "${WORK}" "<program-dir>" _out "${_out}")
file(READ ${_expected} _want)
if(NOT _out STREQUAL _want)
  file(WRITE ${WORK}.actual "${_out}")
  execute_process(COMMAND diff -u ${_expected} ${WORK}.actual OUTPUT_VARIABLE _diff)
  message(FATAL_ERROR "output differs from ${_expected}:\n${_diff}")
endif()
