# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Veskora developers
# Installation and the Debian package. `cmake --install build --prefix P` lays the application
# folder out as P/lib/veskora (programs and course files side by side, the installer in its
# Tamrelon folder), launchers in P/bin, menu entries, the icon and the AppStream metadata.
include(GNUInstallDirs)

set(VESKORA_INSTALL_APP_DIR ${CMAKE_INSTALL_LIBDIR}/veskora)

# The whole application folder as the build laid it out.
install(DIRECTORY ${VESKORA_APP_DIR}/ DESTINATION ${VESKORA_INSTALL_APP_DIR} USE_SOURCE_PERMISSIONS)

foreach(launcher veskora:veskora tamrelon:Tamrelon/Tamrelon)
    string(REPLACE ":" ";" parts ${launcher})
    list(GET parts 0 LAUNCHER_NAME)
    list(GET parts 1 LAUNCHED)
    file(RELATIVE_PATH RELATIVE_TARGET ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
         ${CMAKE_INSTALL_PREFIX}/${VESKORA_INSTALL_APP_DIR}/${LAUNCHED})
    configure_file(${PROJECT_SOURCE_DIR}/packaging/launcher.in ${CMAKE_BINARY_DIR}/launchers/${LAUNCHER_NAME} @ONLY)
    install(PROGRAMS ${CMAKE_BINARY_DIR}/launchers/${LAUNCHER_NAME} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

install(FILES packaging/veskora.desktop packaging/tamrelon.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/veskora.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES packaging/org.veskora.Veskora.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES LICENSE README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veskora)
set(CPACK_PACKAGE_VENDOR "The Veskora developers")
set(CPACK_PACKAGE_CONTACT "The Veskora developers <veskora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Spoken and written Russian for beginners, hosted by Genie")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the shared libraries: the Russian voice data, Qt's platform and SVG plugins and a
# font with Cyrillic letters.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "espeak-ng-data, qt6-qpa-plugins, libqt6svg6, qt6-image-formats-plugins, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse")
include(CPack)
