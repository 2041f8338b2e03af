# The installer and the uninstaller: their logic (src/installer), which the
# driver runs too.
file(GLOB ORVELA_INSTALLER_SOURCES CONFIGURE_DEPENDS src/installer/*.cpp)
add_library(orvela_installer STATIC ${ORVELA_INSTALLER_SOURCES})
target_link_libraries(orvela_installer PUBLIC orvela_logic)
target_compile_options(orvela_installer PRIVATE ${ORVELA_WARNINGS})
target_link_libraries(orvela_sim_core PUBLIC orvela_installer)
