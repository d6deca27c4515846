# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Veskora developers
# Run by cpack on the staged files before it packs them. Stripping leaves the compiler's
# .comment section (its version string) in the programs; nothing reads it, and Debian's own
# packages drop it as well.
file(GLOB_RECURSE staged LIST_DIRECTORIES false ${CPACK_TEMPORARY_DIRECTORY}/*)
foreach(file IN LISTS staged)
    if(IS_SYMLINK ${file})
        continue()
    endif()
    file(READ ${file} magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
        execute_process(COMMAND ${CPACK_OBJCOPY_EXECUTABLE} --remove-section=.comment ${file} COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
