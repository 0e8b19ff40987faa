# Installation on Linux: both programs, the man page and the bash completion
# of kortavex-cli, and for the desktop the launcher, the icon and the
# AppStream description. Included by the top-level CMakeLists.txt.
include(GNUInstallDirs)
install(TARGETS kortavex-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES docs/kortavex-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The machine-readable copyright file a Debian package carries
# (https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/): its
# licence text is LICENSE's, each line indented, an empty line as " .".
file(READ LICENSE KORTAVEX_LICENSE)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" _ "${KORTAVEX_LICENSE}")
set(KORTAVEX_COPYRIGHT "${CMAKE_MATCH_1}")
string(REGEX REPLACE "^.*Copyright[^\n]*\n\n" "" KORTAVEX_LICENSE_BODY "${KORTAVEX_LICENSE}")
string(STRIP "${KORTAVEX_LICENSE_BODY}" KORTAVEX_LICENSE_BODY)
string(REPLACE "\n\n" "\n.\n" KORTAVEX_LICENSE_BODY "${KORTAVEX_LICENSE_BODY}")
string(REPLACE "\n" "\n " KORTAVEX_LICENSE_BODY " ${KORTAVEX_LICENSE_BODY}")
configure_file(desktop/copyright.in copyright @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES cli/bash-completion/kortavex-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
if(TARGET kortavex)
  set(KORTAVEX_APP_ID io.github.kortavex.kortavex)
  install(TARGETS kortavex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES desktop/${KORTAVEX_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES desktop/${KORTAVEX_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES desktop/${KORTAVEX_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# A Debian package (cpack -G DEB): its dependencies are the packages of the
# libraries the programs link, as dpkg-shlibdeps finds them; the grids of
# proj-data are recommended.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_CONTACT "kortavex maintainers")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS proj-data)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/kortavex/kortavex)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
