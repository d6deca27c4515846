# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Veskora developers
# Installation and the Debian package. `cmake --install build --prefix P` lays the application
# folder out as P/lib/veskora (programs and course files side by side, the installer in its
# Tamrelon folder), launchers in P/bin, menu entries, the icon, the AppStream metadata, the
# manual pages and the package's documentation (copyright, changelog).
include(GNUInstallDirs)

set(VESKORA_INSTALL_APP_DIR ${CMAKE_INSTALL_LIBDIR}/veskora)
set(VESKORA_INSTALL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/veskora)

# The executables under `directory` and its subfolders that the build puts into the
# application folder.
function(veskora_collect_app_programs directory out)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    set(programs)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        get_target_property(folder ${target} RUNTIME_OUTPUT_DIRECTORY)
        if(type STREQUAL "EXECUTABLE" AND folder)
            cmake_path(IS_PREFIX VESKORA_APP_DIR ${folder} NORMALIZE in_app_folder)
            if(in_app_folder)
                list(APPEND programs ${target})
            endif()
        endif()
    endforeach()
    foreach(subdirectory IN LISTS subdirectories)
        veskora_collect_app_programs(${subdirectory} below)
        list(APPEND programs ${below})
    endforeach()
    set(${out} ${programs} PARENT_SCOPE)
endfunction()

# The programs go in as targets, so `cmake --install --strip` and the package strip them;
# the copy of the application folder leaves them out and takes everything else. They link
# only our static libraries and the system's shared ones, so they need none of the library
# search paths that qt_standard_project_setup() would give them.
veskora_collect_app_programs(${PROJECT_SOURCE_DIR}/src app_programs)
set(program_exclusions)
foreach(program IN LISTS app_programs)
    set_target_properties(${program} PROPERTIES INSTALL_RPATH "")
    get_target_property(folder ${program} RUNTIME_OUTPUT_DIRECTORY)
    file(RELATIVE_PATH subfolder ${VESKORA_APP_DIR} ${folder})
    install(TARGETS ${program} RUNTIME DESTINATION ${VESKORA_INSTALL_APP_DIR}/${subfolder})
    get_target_property(name ${program} OUTPUT_NAME)
    if(NOT name)
        set(name ${program})
    endif()
    string(REGEX REPLACE "([][+.*?()^$|\\\\])" "\\\\\\1" escaped "${folder}/${name}${CMAKE_EXECUTABLE_SUFFIX}")
    list(APPEND program_exclusions REGEX "^${escaped}$" EXCLUDE)
endforeach()
install(DIRECTORY ${VESKORA_APP_DIR}/ DESTINATION ${VESKORA_INSTALL_APP_DIR} USE_SOURCE_PERMISSIONS
        ${program_exclusions})

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

# Manual pages and the changelog are installed compressed the way Debian wants them: gzip's
# best compression, without the name and time stamp that would make every build differ.
# The copyright file takes the licence texts that the system does not provide after its own
# paragraphs. All of them are made when CMake runs and again whenever a source changes.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(package_docs ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${package_docs})
foreach(source veskora.1 tamrelon.1 changelog)
    execute_process(COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/${source}
                    OUTPUT_FILE ${package_docs}/${source}.gz COMMAND_ERROR_IS_FATAL ANY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${source})
endforeach()
file(RENAME ${package_docs}/changelog.gz ${package_docs}/changelog.Debian.gz)
file(READ ${PROJECT_SOURCE_DIR}/packaging/copyright copyright)
foreach(licence CC-BY-4.0 CC-BY-SA-3.0)
    file(READ ${PROJECT_SOURCE_DIR}/packaging/licenses/${licence} text)
    string(APPEND copyright "\n${text}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/licenses/${licence})
endforeach()
file(WRITE ${package_docs}/copyright "${copyright}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/copyright)

install(FILES ${package_docs}/veskora.1.gz ${package_docs}/tamrelon.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${package_docs}/copyright ${package_docs}/changelog.Debian.gz README.md DESTINATION ${VESKORA_INSTALL_DOC_DIR})
# The lintian tags the package answers for, each with its reason.
install(FILES packaging/lintian/veskora DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veskora)
set(CPACK_PACKAGE_VENDOR "The Veskora developers")
set(CPACK_PACKAGE_CONTACT "The Veskora developers <veskora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Spoken and written Russian for beginners, hosted by Genie")
# Read here rather than named as CPACK_PACKAGE_DESCRIPTION_FILE, which cpack would hand on
# with its apostrophes escaped for XML.
file(READ ${PROJECT_SOURCE_DIR}/packaging/description.txt CPACK_DEBIAN_PACKAGE_DESCRIPTION)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/description.txt)
set(CPACK_PACKAGE_HOMEPAGE_URL https://veskora.example.org/)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Debian revision: the first package of each version is 1, as packaging/changelog says.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the shared libraries: the Russian voice data, Qt's platform and SVG plugins and a
# font with Cyrillic letters. The espeak-ng program is what the voice checks speak with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "espeak-ng-data, qt6-qpa-plugins, libqt6svg6, qt6-image-formats-plugins, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, espeak-ng")
# Festival's natural Russian voice (179 MB), which a learner may choose instead of eSpeak NG.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "festvox-ru")
# cpack refuses to package a build that is not optimised or that carries the sanitizers.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PackageBuildCheck.cmake)
set(CPACK_VESKORA_BUILD_TYPE "${CMAKE_BUILD_TYPE}")
set(CPACK_VESKORA_SANITIZE "${VESKORA_SANITIZE}")
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PackageStaging.cmake)
include(CPack)
