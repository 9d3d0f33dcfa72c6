# SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian packages of the trainer's installed files: `cmake --build <dir> --target package`
# (or `scripts/zandrel package`) writes into <dir>
#   german-verb-zandrel_<version>_<arch>.deb     the program (component "trainer")
#   german-verb-zandrel-data_<version>_all.deb   the verb file and its alternatives ("data")
# Both are binaries of one source, german-verb-zandrel; the program depends on the data of its
# own version. Included from packaging/CMakeLists.txt, whose variables it uses.

# The fonts the lettering falls back to are listed once, in scripts/debian-packages.txt, in the
# block under the comment that names the lettering; the package depends on each of them.
file(STRINGS ${PROJECT_SOURCE_DIR}/scripts/debian-packages.txt package_list_lines)
set(font_packages)
set(in_lettering_block FALSE)
foreach(line IN LISTS package_list_lines)
    string(STRIP "${line}" line)
    if(line MATCHES "^#")
        string(FIND "${line}" "lettering" lettering_at)
        if(lettering_at GREATER_EQUAL 0)
            set(in_lettering_block TRUE)
        else()
            set(in_lettering_block FALSE)
        endif()
    elseif(line STREQUAL "")
        set(in_lettering_block FALSE)
    elseif(in_lettering_block)
        list(APPEND font_packages ${line})
    endif()
endforeach()
if(NOT font_packages)
    message(FATAL_ERROR "scripts/debian-packages.txt lists no font packages under a comment "
                        "naming the lettering; the Debian package needs them as dependencies")
endif()
list(JOIN font_packages ", " font_depends)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/scripts/debian-packages.txt)
# For the package test: the dependencies it must find in the package.
list(JOIN font_packages "\n" font_lines)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/font-packages.txt "${font_lines}\n")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/bundled-verb-file.txt "${ZANDREL_VERB_FILE}\n")
if(EXISTS ${ZANDREL_ALTERNATIVES_FILE})
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/bundled-alternatives.txt "${ZANDREL_ALTERNATIVES_FILE}\n")
else()
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/bundled-alternatives.txt)
endif()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/bundled-ranks-file.txt "${ZANDREL_RANKS_FILE}\n")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${ZANDREL_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "German Verb Zandrel developers")
set(CPACK_PACKAGE_CONTACT ${ZANDREL_PACKAGE_CONTACT})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# One package per component, and only the trainer's two: install rules elsewhere in the tree
# (tools) stay out.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${component} ${data_component})
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SOURCE ${ZANDREL_PACKAGE_NAME})

string(TOUPPER ${component} trainer)
string(TOUPPER ${data_component} data)
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/description.txt description)
set(CPACK_DEBIAN_${trainer}_PACKAGE_NAME ${ZANDREL_PACKAGE_NAME})
set(CPACK_DEBIAN_${trainer}_DESCRIPTION
    "trainer for the conjugation of German verbs\n${description}")
# dpkg-shlibdeps adds the Qt, C++ and C runtime libraries the program links.
set(CPACK_DEBIAN_${trainer}_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_${trainer}_PACKAGE_DEPENDS
    "${ZANDREL_DATA_PACKAGE_NAME} (= ${PROJECT_VERSION}), ${font_depends}")
# Without it Qt falls back from a Wayland session to X11 through XWayland.
set(CPACK_DEBIAN_${trainer}_PACKAGE_RECOMMENDS qt6-wayland)

file(READ ${CMAKE_CURRENT_SOURCE_DIR}/description-data.txt description)
set(CPACK_DEBIAN_${data}_PACKAGE_NAME ${ZANDREL_DATA_PACKAGE_NAME})
set(CPACK_DEBIAN_${data}_DESCRIPTION
    "verb file of the German Verb Zandrel trainer\n${description}")
set(CPACK_DEBIAN_${data}_PACKAGE_ARCHITECTURE all)

set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/node_modules/" "/\\\\.cache/")
include(CPack)
