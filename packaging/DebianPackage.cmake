# The Debian package of the trainer's installed files: `cmake --build <dir> --target package`
# (or `scripts/zandrel package`) writes <dir>/german-verb-zandrel_<version>_<arch>.deb.
# Included from packaging/CMakeLists.txt, whose variables it uses.

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

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${ZANDREL_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "German Verb Zandrel developers")
set(CPACK_PACKAGE_CONTACT ${ZANDREL_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "trainer for the conjugation of German verbs")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_CURRENT_SOURCE_DIR}/description.txt)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Only the trainer's own files: install rules elsewhere in the tree (tools) stay out.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};${component};/")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps adds the Qt, C++ and C runtime libraries the program links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${font_depends}")
# Without it Qt falls back from a Wayland session to X11 through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/node_modules/" "/\\\\.cache/")
include(CPack)
