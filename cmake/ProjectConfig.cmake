# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Veskora developers
# Shared compiler settings and the application folder layout.

find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets Multimedia Svg PrintSupport Charts Test)
qt_standard_project_setup()

# Compiler cache: a developer with several checkouts of the tree compiles each file once.
# Paths are hashed relative to the source folder, so checkouts in other places share hits.
find_program(VESKORA_CCACHE ccache)
option(VESKORA_USE_CCACHE "Compile through ccache when it is installed" ON)
if(VESKORA_USE_CCACHE AND VESKORA_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} CCACHE_NOHASHDIR=1
                                    ${VESKORA_CCACHE})
endif()

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

# The application folder: programs and course files side by side, as the programs expect them.
set(VESKORA_APP_DIR ${CMAKE_BINARY_DIR}/app)
set(VESKORA_INSTALLER_DIR ${VESKORA_APP_DIR}/Tamrelon)
# The modules of the adapters with heavy libraries, which the course loads after its first window.
set(VESKORA_MODULE_DIR ${VESKORA_APP_DIR}/plugins)

add_library(veskora_config INTERFACE)
target_compile_features(veskora_config INTERFACE cxx_std_20)
target_compile_options(veskora_config INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(veskora_config INTERFACE
    QT_NO_CONTEXTLESS_CONNECT
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_DISABLE_DEPRECATED_UP_TO=0x060400
    VESKORA_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
    VESKORA_VERSION_MINOR=${PROJECT_VERSION_MINOR})
target_include_directories(veskora_config INTERFACE ${PROJECT_SOURCE_DIR}/src)

option(VESKORA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(VESKORA_SANITIZE)
    target_compile_options(veskora_config INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=undefined
                                                     -fno-omit-frame-pointer)
    target_link_options(veskora_config INTERFACE -fsanitize=address,undefined)
else()
    # Hardened programs, as Debian builds them: checked libc calls in the optimised builds
    # (glibc's checks need optimisation), stack guards, and a relocation table resolved at
    # start and then made read-only.
    target_compile_definitions(veskora_config INTERFACE $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
    target_compile_options(veskora_config INTERFACE -fstack-protector-strong)
    target_link_options(veskora_config INTERFACE LINKER:-z,relro,-z,now)
endif()

# A program that loads the adapter modules (src/platform/modules): it holds the whole light
# platform library and exports its symbols, which the modules use instead of copies of their
# own, and it is built after the modules.
function(veskora_export_platform program)
    set_target_properties(${program} PROPERTIES ENABLE_EXPORTS ON)
    target_link_options(${program} PRIVATE "LINKER:--whole-archive" "$<TARGET_FILE:veskora_platform>"
                        "LINKER:--no-whole-archive")
    add_dependencies(${program} veskora_platform veskora_module_agent veskora_module_database
                     veskora_module_report veskora_module_help veskora_module_sound)
endfunction()
