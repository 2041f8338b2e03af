# One library per source folder, whose headers only the targets that link it
# can include.
#
#   orvela_library(<target> <folder> [PUBLIC <targets>...] [PRIVATE <targets>...])
#
# builds src/<folder>/*.cpp into the static library <target> (a folder of
# headers only gives an INTERFACE library), linked to what it declares:
# PUBLIC what its headers include, PRIVATE what only its sources include.
#
# No target sees src/ itself. The headers of a library are reachable only
# through an include root of its own, <build>/include/<target>, which holds,
# for every src/<folder>/<name>.h, a one-line header <folder>/<name>.h that
# includes the real one by its full path. A target sees the roots of the
# libraries it links (of PUBLIC dependencies transitively), so
# `#include "options/options_dialog.h"` compiles only in a target that links
# orvela_options: an include that goes up or across the declared graph fails
# the build with "No such file or directory". Diagnostics and debuggers show
# the real file under src/.
#
# A library may depend only on libraries declared before it, so the graph
# has no cycle (CMake accepts cycles between static libraries).
function(orvela_library target folder)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "PUBLIC;PRIVATE")
  foreach(_dependency ${arg_PUBLIC} ${arg_PRIVATE})
    if(NOT TARGET ${_dependency})
      message(FATAL_ERROR "${target} depends on ${_dependency}, which is not declared before it: "
                          "the graph between the folders points down only")
    endif()
  endforeach()
  set(_dir ${CMAKE_SOURCE_DIR}/src/${folder})
  file(GLOB _headers CONFIGURE_DEPENDS ${_dir}/*.h)
  file(GLOB _sources CONFIGURE_DEPENDS ${_dir}/*.cpp)

  set(_root ${CMAKE_BINARY_DIR}/include/${target})
  set(_forwards)
  foreach(_header ${_headers})
    get_filename_component(_name ${_header} NAME)
    set(_forward ${_root}/${folder}/${_name})
    list(APPEND _forwards ${_forward})
    # Rewritten only when its text changes, so a configure rebuilds nothing.
    file(CONFIGURE OUTPUT ${_forward} CONTENT "#include \"${_header}\"\n" @ONLY)
  endforeach()
  # A header moved away or deleted leaves no forwarder behind.
  file(GLOB_RECURSE _present ${_root}/*)
  foreach(_file ${_present})
    if(NOT _file IN_LIST _forwards)
      file(REMOVE ${_file})
    endif()
  endforeach()

  if(_sources)
    add_library(${target} STATIC ${_sources} ${_headers})
    target_include_directories(${target} PUBLIC ${_root})
    target_link_libraries(${target} PUBLIC ${arg_PUBLIC} PRIVATE ${arg_PRIVATE})
    target_compile_options(${target} PRIVATE ${ORVELA_WARNINGS})
  else()
    if(arg_PRIVATE)
      message(FATAL_ERROR "${target}: a library of headers only has no PRIVATE dependencies")
    endif()
    add_library(${target} INTERFACE ${_headers})
    target_include_directories(${target} INTERFACE ${_root})
    target_link_libraries(${target} INTERFACE ${arg_PUBLIC})
  endif()
endfunction()
