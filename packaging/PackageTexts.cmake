# SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Texts of the packages made at configure time from their templates. Included from
# packaging/CMakeLists.txt, whose variables they use.

# Writes the AppStream metadata to <output> (in the current binary directory), with a
# screenshot at <screenshot_url> unless that is empty.
function(zandrel_write_metainfo output screenshot_url)
    set(ZANDREL_METAINFO_SCREENSHOTS "")
    if(screenshot_url)
        # docs/screenshot.png: the client area of the window, as the README shows it.
        string(CONCAT ZANDREL_METAINFO_SCREENSHOTS
            "  <screenshots>\n"
            "    <screenshot type=\"default\">\n"
            "      <caption>The present tense of a separable verb, every form shown and one wrong answer marked</caption>\n"
            "      <image type=\"source\" width=\"1014\" height=\"471\">${screenshot_url}</image>\n"
            "    </screenshot>\n"
            "  </screenshots>\n")
    endif()
    configure_file(${CMAKE_CURRENT_SOURCE_DIR}/${ZANDREL_APP_ID}.metainfo.xml.in ${output} @ONLY)
endfunction()

# A licence text as the body of a License paragraph of a Debian copyright file: every line
# indented by one space, empty lines written as " .".
function(zandrel_copyright_license_body licence_file output_variable)
    file(READ ${licence_file} text)
    string(STRIP "${text}" text)
    string(REGEX REPLACE "[ \t]+\n" "\n" text "${text}")
    string(REPLACE "\n" "\n " text " ${text}")
    while(text MATCHES "\n \n") # REPLACE skips the second of two empty lines in a row
        string(REPLACE "\n \n" "\n .\n" text "${text}")
    endwhile()
    set(${output_variable} "${text}" PARENT_SCOPE)
endfunction()

# Writes the Debian copyright file from its template, with the texts of the licences Debian
# does not ship in /usr/share/common-licenses taken from LICENSES/.
function(zandrel_write_copyright template output)
    zandrel_copyright_license_body(${PROJECT_SOURCE_DIR}/LICENSES/CC-BY-SA-4.0.txt CC_BY_SA_4_0_TEXT)
    zandrel_copyright_license_body(${PROJECT_SOURCE_DIR}/LICENSES/FSFAP.txt FSFAP_TEXT)
    configure_file(${template} ${output} @ONLY)
endfunction()
