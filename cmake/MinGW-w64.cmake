# SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-building the trainer for 64-bit Windows on Debian with MinGW-w64 (POSIX threads, for
# std::thread) against the static Qt that scripts/windows-qt builds:
#   cmake -S . -B build-windows --toolchain cmake/MinGW-w64.cmake -DZANDREL_WINDOWS_QT=<its prefix>
# scripts/zandrel windows does all of it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(cross x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${cross}-gcc-posix)
set(CMAKE_CXX_COMPILER ${cross}-g++-posix)
set(CMAKE_RC_COMPILER ${cross}-windres)

set(ZANDREL_WINDOWS_QT "" CACHE PATH "Install prefix of the static Qt for Windows")
if(NOT ZANDREL_WINDOWS_QT)
    message(FATAL_ERROR "Give the static Qt for Windows as -DZANDREL_WINDOWS_QT=<prefix> "
                        "(scripts/windows-qt builds it and prints its prefix)")
endif()
# Try-compiles see the same Qt.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZANDREL_WINDOWS_QT)

# Only the MinGW sysroot and the Windows Qt: the host's own headers and libraries must not leak
# in. Programs (moc, uic, rcc and the rest) are the host's, from Debian's Qt of the same version.
set(CMAKE_FIND_ROOT_PATH /usr/${cross} ${ZANDREL_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(QT_HOST_PATH /usr)
execute_process(COMMAND gcc -print-multiarch OUTPUT_VARIABLE host_multiarch
                OUTPUT_STRIP_TRAILING_WHITESPACE)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${host_multiarch}/cmake)

# CTest runs the test programs under Wine (scripts/wine-run: the build's own Wine prefix).
get_filename_component(zandrel_source_dir ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${zandrel_source_dir}/scripts/wine-run)
