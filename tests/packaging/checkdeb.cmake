# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Veskora developers
# Makes the Debian package from BUILD_DIR into OUT_DIR and checks it: its version is the one
# packaging/changelog (under SOURCE_DIR) names last, and lintian finds no error and no
# warning in it. The info and pedantic tags are shown for the log.
file(REMOVE_RECURSE ${OUT_DIR})
execute_process(COMMAND cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT_DIR}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cpack failed (${status}):\n${output}")
endif()
file(GLOB packages ${OUT_DIR}/*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one package in ${OUT_DIR}, found: ${packages}")
endif()

execute_process(COMMAND dpkg-deb --field ${packages} Version OUTPUT_VARIABLE version OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND dpkg-parsechangelog -l ${SOURCE_DIR}/packaging/changelog -S Version
                OUTPUT_VARIABLE logged OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
if(NOT version STREQUAL logged)
    message(FATAL_ERROR "the package is version ${version}, but packaging/changelog's last entry is ${logged}")
endif()

execute_process(COMMAND lintian --fail-on error,warning --display-info --pedantic ${packages}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lintian found errors or warnings (exit status ${status})")
endif()
