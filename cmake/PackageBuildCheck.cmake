# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Veskora developers
# Read by cpack before it makes a package: the package ships optimised programs (stripped of
# their debug symbols by cpack), never a debug or sanitizer build.
if(NOT CPACK_VESKORA_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    message(FATAL_ERROR "The package is made from an optimised build; this one is "
                        "'${CPACK_VESKORA_BUILD_TYPE}'. Configure with -DCMAKE_BUILD_TYPE=Release.")
endif()
if(CPACK_VESKORA_SANITIZE)
    message(FATAL_ERROR "The package is not made from a sanitizer build (VESKORA_SANITIZE=ON).")
endif()
