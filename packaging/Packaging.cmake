# Installation as a desktop program and the Debian package (included by the top CMakeLists.txt
# when the program is built):
#   cmake --install build --prefix /usr/local
#   cd build && cpack            -> teebrook_<version>_<arch>.deb
include(GNUInstallDirs)

install(TARGETS teebrook RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The desktop entry starts the program through this launcher, in a folder of the user's.
install(PROGRAMS ${CMAKE_CURRENT_LIST_DIR}/teebrook-launch DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/teebrook.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/teebrook.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/config/TeebrookConfig.ini DESTINATION ${CMAKE_INSTALL_DATADIR}/teebrook)
# GPL-3.0-or-later, as linking Qt HttpServer (GPL-3.0-only) asks (README.md, "Licence").
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME teebrook)
set(CPACK_PACKAGE_VENDOR "Teebrook")
set(CPACK_PACKAGE_CONTACT "Teebrook maintainers <teebrook@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Run a club golf tournament from one window")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Teebrook keeps the course table, the groups and players with their playing handicaps, "
       "hole-by-hole scores with a live leaderboard, and writes the start list and the result list. "
       "Start it with teebrook-launch or from the desktop's menu: it works in ~/Teebrook.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# The Qt 6 libraries and libqrencode come from the program's own links (shlibdeps); the platform
# plugins are loaded at run time, so they are named here, and libqrencode4 too, so the package
# says it even where shlibdeps cannot look.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqrencode4")
include(CPack)
