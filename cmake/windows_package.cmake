# Installation on Windows: both programs, the README and the licence side by side. Included
# by the top-level CMakeLists.txt.
install(TARGETS kortavex-cli RUNTIME DESTINATION .)
if(TARGET kortavex)
  install(TARGETS kortavex RUNTIME DESTINATION .)
endif()
install(FILES README.md LICENSE DESTINATION .)

# The Windows downloads, made by CPack: kortavex-VERSION-win64.zip, to unpack
# anywhere, and kortavex-VERSION-win64.exe, an installer for the current user
# alone (no administrator rights) built with NSIS from NSIS.template.in beside
# this file.
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY kortavex)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY kortavex)
set(CPACK_NSIS_PACKAGE_NAME kortavex)
set(CPACK_NSIS_DISPLAY_NAME kortavex)
set(CPACK_PACKAGE_VENDOR kortavex)
# CPack takes NSIS.template.in from the module path before its own, which
# installs for all users into Program Files.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
