# SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows build (cmake/MinGW-w64.cmake): every program linked statically, so that neither the
# MinGW runtime (libstdc++, libgcc, winpthread) nor Qt is needed beside the .exe. The linker makes
# the executables relocatable (ASLR, with high-entropy addresses) and their data non-executable
# (DEP) by default.
add_link_options(-static)

# The tests run under Wine, which shows the host's file system as drive Z:. A path the build
# writes into a test program names its file the way the program will see it.
if(CMAKE_CROSSCOMPILING)
    set(ZANDREL_TEST_FILE_ROOT "Z:")
endif()

# The manifest Windows reads before the program runs (DPI awareness, supported Windows); the
# program's resources (packaging/windows) and the Windows platform test carry it.
set(ZANDREL_FILE_VERSION ${PROJECT_VERSION}.0)
set(ZANDREL_WINDOWS_MANIFEST ${CMAKE_BINARY_DIR}/german-verb-zandrel.manifest)
configure_file(${CMAKE_CURRENT_LIST_DIR}/../packaging/windows/german-verb-zandrel.manifest.in
    ${ZANDREL_WINDOWS_MANIFEST} @ONLY)

# Every program is linked statically, so no DLLs need to sit beside them: each stays in its own
# build directory, as on Linux (Qt's project setup would gather them all in one for Windows).
unset(CMAKE_RUNTIME_OUTPUT_DIRECTORY)
