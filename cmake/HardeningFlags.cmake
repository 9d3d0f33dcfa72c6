# SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The hardening flags a Debian package is built with, as dpkg-buildflags gives them with every
# hardening feature on (fortified functions, stack protector, format checks, relro, bind-now;
# the compiler makes executables position-independent by default), for every target of an
# optimised build. Debug and sanitizer builds go without: fortification needs optimisation,
# and it would hide string and memory calls from the sanitizers' own checks.
option(ZANDREL_HARDENING "Build with the distribution's hardening flags (dpkg-buildflags)" ON)
if(NOT ZANDREL_HARDENING OR ZANDREL_SANITIZE OR CMAKE_BUILD_TYPE STREQUAL "Debug")
    return()
endif()

find_program(ZANDREL_DPKG_BUILDFLAGS dpkg-buildflags) # Debian package dpkg-dev
if(NOT ZANDREL_DPKG_BUILDFLAGS)
    message(WARNING "dpkg-buildflags not found: building without the distribution's "
                    "hardening flags (-DZANDREL_HARDENING=OFF silences this)")
    return()
endif()

foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    # Run in the source tree: its path is mapped to "." in file names and debug information.
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${ZANDREL_DPKG_BUILDFLAGS} --get ${kind}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    # The build type chooses optimisation and debug information.
    list(FILTER flags EXCLUDE REGEX "^-(O|g)")
    message(STATUS "Hardening ${kind}: ${flags}")
    if(kind STREQUAL "LDFLAGS")
        add_link_options(${flags})
    else()
        add_compile_options(${flags})
    endif()
endforeach()
