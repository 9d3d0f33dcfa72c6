# SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The installer of German Verb Zandrel for 64-bit Windows (NSIS 3). packaging/windows/CMakeLists.txt
# runs makensis with VERSION, FILE_VERSION, STAGE (the folder of the portable zip, whose files
# it installs), ICON and OUTFILE defined.
#
# It installs into Program Files for every user of the machine, with a Start-menu entry and,
# unless left out, a desktop shortcut; both start the trainer in its install folder, where it
# finds the bundled Verb12Data.txt. It registers an uninstaller with Windows (Settings > Apps),
# which removes everything the installer put there.
#
# Silent install and removal, for deploying to many machines:
#   german-verb-zandrel-<version>-setup-x64.exe /S [/NODESKTOPSHORTCUT] [/D=<install folder>]
#   "<install folder>\uninstall.exe" /S
# (/D must come last and is given without quotes, as NSIS wants it.)

# A 64-bit installer for a 64-bit program: it runs where the program runs (and under a 64-bit
# Wine alone), and sees the 64-bit Program Files and registry without redirection.
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel admin

!define APP_NAME "German Verb Zandrel"
!define PROGRAM "german-verb-zandrel.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\GermanVerbZandrel"
!define PUBLISHER "German Verb Zandrel developers"

Name "${APP_NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${APP_NAME}"
BrandingText "${APP_NAME} ${VERSION}"

VIProductVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=1033 "FileDescription" "${APP_NAME} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "2026 ${PUBLISHER}, GPL-3.0-or-later"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

# The GPL is no contract to accept: the page informs and goes on with Next.
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "You need not accept this licence to use the program. It gives you the right to share and change it; read it before you do."
!insertmacro MUI_PAGE_LICENSE "${STAGE}\licences\GPL-3.0.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

# What the installer puts into the install folder; the uninstaller removes exactly these.
!macro ForEachInstalledFile DO
    !insertmacro ${DO} "${PROGRAM}"
    !insertmacro ${DO} "Verb12Data.txt"
    !insertmacro ${DO} "Verb12Alternatives.txt"
    !insertmacro ${DO} "Verb12Ranks.txt"
    !insertmacro ${DO} "README.txt"
    !insertmacro ${DO} "licences\GPL-3.0.txt"
    !insertmacro ${DO} "licences\CC-BY-SA-4.0.txt"
    !insertmacro ${DO} "licences\Qt-LGPL-3.0.txt"
    !insertmacro ${DO} "licences\Qt-GPL-3.0.txt"
    !insertmacro ${DO} "licences\Qt-third-party-notices.txt"
    !insertmacro ${DO} "licences\Qt-build-options.txt"
    !insertmacro ${DO} "licences\MinGW-w64-runtime.txt"
    !insertmacro ${DO} "licences\SQLite.txt"
!macroend
!macro InstallFile NAME
    File "/oname=${NAME}" "${STAGE}\${NAME}"
!macroend
!macro RemoveFile NAME
    Delete "$INSTDIR\${NAME}"
!macroend

Section "${APP_NAME}" SecProgram
    SectionIn RO
    SetOutPath "$INSTDIR"
    CreateDirectory "$INSTDIR\licences"
    !insertmacro ForEachInstalledFile InstallFile
    WriteUninstaller "$INSTDIR\uninstall.exe"

    # SetOutPath made the install folder the working directory of the shortcuts made now.
    CreateShortCut "$SMPROGRAMS\${APP_NAME}.lnk" "$INSTDIR\${PROGRAM}" "" "$INSTDIR\${PROGRAM}" 0 \
        SW_SHOWNORMAL "" "Practise the conjugation of German verbs"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM},0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Desktop shortcut" SecDesktopShortcut
    SetOutPath "$INSTDIR"
    CreateShortCut "$DESKTOP\${APP_NAME}.lnk" "$INSTDIR\${PROGRAM}" "" "$INSTDIR\${PROGRAM}" 0 \
        SW_SHOWNORMAL "" "Practise the conjugation of German verbs"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "The trainer, its verb file with the alternatives beside it, README and licences, and a Start-menu entry."
    !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktopShortcut} "A shortcut on the desktop of every user."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
    SetRegView 64
    SetShellVarContext all
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/NODESKTOPSHORTCUT" $1
    ${IfNot} ${Errors}
        !insertmacro UnselectSection ${SecDesktopShortcut}
    ${EndIf}
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\${APP_NAME}.lnk"
    Delete "$DESKTOP\${APP_NAME}.lnk"
    !insertmacro ForEachInstalledFile RemoveFile
    Delete "$INSTDIR\uninstall.exe"
    # Only if empty: a verb file of the learner's own stays, and so does its folder.
    RMDir "$INSTDIR\licences"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
