# SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# SQLite in the Windows build: compiled from the amalgamation that scripts/windows-sqlite makes
# from Debian's sqlite3 source package (the version Linux links), as a static library under the
# name Linux's find_package(SQLite3) gives. SQLite is in the public domain; the packages carry
# Debian's copyright file of it as licences/SQLite.txt.
set(ZANDREL_WINDOWS_SQLITE "" CACHE PATH "Folder with SQLite's amalgamation for Windows")
if(NOT EXISTS "${ZANDREL_WINDOWS_SQLITE}/sqlite3.c")
    message(FATAL_ERROR "Give SQLite's amalgamation as -DZANDREL_WINDOWS_SQLITE=<folder> "
                        "(scripts/windows-sqlite makes it and prints its folder)")
endif()
enable_language(C)
add_library(zandrel_sqlite3 STATIC ${ZANDREL_WINDOWS_SQLITE}/sqlite3.c)
target_include_directories(zandrel_sqlite3 SYSTEM PUBLIC ${ZANDREL_WINDOWS_SQLITE})
# Thread-safe as Debian builds it; no extensions loaded from files, which the store never asks for.
target_compile_definitions(zandrel_sqlite3 PRIVATE SQLITE_THREADSAFE=1 SQLITE_OMIT_LOAD_EXTENSION)
target_compile_options(zandrel_sqlite3 PRIVATE -w) # others' code: its warnings are not ours
add_library(SQLite::SQLite3 ALIAS zandrel_sqlite3)
