# The Windows programs of the installer (install.exe, Uninstall.exe) on the
# library orvela_installer (src/CMakeLists.txt), and the shipping folder.
if(NOT WIN32)
  return()
endif()

# The resources of a program: its icon, its manifest, version information and
# the artwork it shows (RCDATA named after the files, as cmake/artwork.cmake
# names them).
function(orvela_program_rc out file description icon manifest)
  set(ORVELA_RC_FILE ${file})
  set(ORVELA_RC_DESCRIPTION ${description})
  set(ORVELA_RC_ICON ${icon})
  set(ORVELA_RC_MANIFEST ${manifest})
  set(ORVELA_RC_PICTURES "")
  foreach(_picture ${ARGN})
    get_filename_component(_name ${_picture} NAME)
    string(TOUPPER ${_name} _id)
    string(APPEND ORVELA_RC_PICTURES "${_id} RCDATA \"${_picture}\"\n")
  endforeach()
  set(_rc ${CMAKE_BINARY_DIR}/${file}.rc)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/program.rc.in ${_rc} @ONLY)
  set_property(SOURCE ${_rc} APPEND PROPERTY OBJECT_DEPENDS ${icon} ${manifest} ${ARGN})
  set(${out} ${_rc} PARENT_SCOPE)
endfunction()

set(_art ${CMAKE_SOURCE_DIR}/resources/art)
orvela_program_rc(_install_rc install.exe "Orvela install program" ${_art}/install.ico
                  ${CMAKE_SOURCE_DIR}/app/install/install.manifest ${_art}/installForm1.jpg)
# "install" names CMake's own target: the program's target is orvela_install.
add_executable(orvela_install WIN32 app/install/main.cpp ${_install_rc})
set_target_properties(orvela_install PROPERTIES OUTPUT_NAME install)
target_link_libraries(orvela_install PRIVATE orvela_installer orvela_win32)
target_link_options(orvela_install PRIVATE -municode)
target_compile_options(orvela_install PRIVATE ${ORVELA_WARNINGS})

orvela_program_rc(_uninstall_rc Uninstall.exe "Orvela uninstall program" ${_art}/Uninstall.ico
                  ${CMAKE_SOURCE_DIR}/app/uninstall/Uninstall.manifest)
add_executable(Uninstall WIN32 app/uninstall/main.cpp app/uninstall/cmd_self_removal.cpp
                              ${_uninstall_rc})
target_link_libraries(Uninstall PRIVATE orvela_installer orvela_win32)
target_link_options(Uninstall PRIVATE -municode)
target_compile_options(Uninstall PRIVATE ${ORVELA_WARNINGS})

# The shipping folder dist/ (the three programs without symbols or debug
# sections, and the three text files) and a zip of it, remade whenever a
# program or a text changes.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(_zip ${CMAKE_BINARY_DIR}/Orvela-1.02-win64.zip)
else()
  set(_zip ${CMAKE_BINARY_DIR}/Orvela-1.02-win32.zip)
endif()
set(_dist ${CMAKE_BINARY_DIR}/dist)
set(_names install.exe Orvela.exe Uninstall.exe LICENSE.TXT ORDER.TXT ReadMe.TXT)
set(_texts)
foreach(_text LICENSE.TXT ORDER.TXT ReadMe.TXT)
  list(APPEND _texts ${CMAKE_SOURCE_DIR}/resources/dist/${_text})
endforeach()
list(TRANSFORM _names PREPEND ${_dist}/ OUTPUT_VARIABLE _shipped)
add_custom_command(
  OUTPUT ${_shipped} ${_zip}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${_dist} ${_zip}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${_dist}
  COMMAND ${CMAKE_STRIP} --strip-all -o ${_dist}/install.exe $<TARGET_FILE:orvela_install>
  COMMAND ${CMAKE_STRIP} --strip-all -o ${_dist}/Orvela.exe $<TARGET_FILE:Orvela>
  COMMAND ${CMAKE_STRIP} --strip-all -o ${_dist}/Uninstall.exe $<TARGET_FILE:Uninstall>
  COMMAND ${CMAKE_COMMAND} -E copy ${_texts} ${_dist}
  COMMAND zip -X -q -j ${_zip} ${_shipped}
  DEPENDS orvela_install Orvela Uninstall ${_texts}
  COMMENT "Shipping folder ${_dist} and ${_zip}"
  VERBATIM)
add_custom_target(dist ALL DEPENDS ${_shipped} ${_zip})
