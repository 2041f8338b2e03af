# Writes to OUT one shell command a line: clang++ checking one source of the
# logic (src/, but src/win32) from the compile database COMMANDS for dropped
# results of [[nodiscard]] calls alone. Used by tools/check_nodiscard.sh.
file(READ ${COMMANDS} _json)
string(JSON _count LENGTH "${_json}")
math(EXPR _last "${_count} - 1")
set(_lines "")
foreach(_i RANGE ${_last})
  string(JSON _file GET "${_json}" ${_i} file)
  if(NOT _file MATCHES "/src/" OR _file MATCHES "/src/win32/")
    continue()
  endif()
  string(JSON _directory GET "${_json}" ${_i} directory)
  string(JSON _command GET "${_json}" ${_i} command)
  # The compiler is the first word; the object file is not wanted.
  string(REGEX REPLACE "^[^ ]+ " "" _arguments "${_command}")
  string(REGEX REPLACE " -o [^ ]+" "" _arguments "${_arguments}")
  string(APPEND _lines "cd '${_directory}' && clang++ ${_arguments} -fsyntax-only "
                       "-Wno-everything -Werror=unused-result\n")
endforeach()
file(WRITE ${OUT} "${_lines}")
