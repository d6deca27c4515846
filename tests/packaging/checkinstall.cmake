# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into PREFIX and checks that every file the programs look for is there.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "install failed: ${status}")
endif()
foreach(path
        bin/veskora bin/tamrelon
        lib/veskora/veskora lib/veskora/Russian.mdb lib/veskora/Lexikon.mdb lib/veskora/Print.mdb
        lib/veskora/RussianUserHelp.chm lib/veskora/RussianHelp.chm lib/veskora/report1.rpt lib/veskora/report6.rpt
        lib/veskora/characters/Genie.acs lib/veskora/Pictures
        lib/veskora/Tamrelon/Tamrelon lib/veskora/Tamrelon/Kivrostep lib/veskora/Tamrelon/MSAgent
        lib/veskora/Tamrelon/spchcpl
        lib/veskora/plugins/agent.so lib/veskora/plugins/database.so lib/veskora/plugins/report.so
        lib/veskora/plugins/help.so lib/veskora/plugins/charts.so lib/veskora/plugins/sound.so
        share/applications/veskora.desktop share/applications/tamrelon.desktop
        share/icons/hicolor/scalable/apps/veskora.svg share/metainfo/org.veskora.Veskora.metainfo.xml
        share/man/man1/veskora.1.gz share/man/man1/tamrelon.1.gz
        share/doc/veskora/copyright share/doc/veskora/changelog.Debian.gz)
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "missing after install: ${path}")
    endif()
endforeach()
file(READ ${PREFIX}/bin/veskora launcher)
if(NOT launcher MATCHES "../lib/veskora/veskora")
    message(FATAL_ERROR "launcher does not start the installed program:\n${launcher}")
endif()
