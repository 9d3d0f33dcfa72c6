#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows packages as a learner meets them, under Wine on the X server in DISPLAY:
#   packages_test.sh CHECK BUILD_DIR VERSION WORK_DIR     CHECK, in this order:
#   imports    only DLLs that come with Windows; ASLR and DEP; a windowed program
#   portable   the zip's folder, started from another folder, reads the verb file beside it
#   install    silent installs without and then with the desktop shortcut; the uninstaller
#              registered with Windows
#   start      from the shortcuts' target and working directory: the first bundled verb, the
#              title, a screenshot (WORK_DIR/installed.png), Alt+F4 closes it
#   uninstall  silently, leaving Program Files, Start menu, desktop and registry as before
set -euo pipefail
check=$1 build=$2 version=$3 work=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_run=$here/../../scripts/wine-run
export ZANDREL_WINEPREFIX=${ZANDREL_WINEPREFIX:-$build/wine}
drive_c=$ZANDREL_WINEPREFIX/drive_c
program=german-verb-zandrel.exe
folder=german-verb-zandrel-$version-windows-x64
install_dir="$drive_c/Program Files/German Verb Zandrel"
installed='C:\Program Files\German Verb Zandrel'
links=("$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/German Verb Zandrel.lnk"
    "$drive_c/users/Public/Desktop/German Verb Zandrel.lnk")
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\GermanVerbZandrel'
verb_file=$here/../../data/Verb12Data.txt
alternatives_file=$here/../../data/Verb12Alternatives.txt
ranks_file=$here/../../data/Verb12Ranks.txt
mkdir -p "$work"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A start that leaves at once (ZANDREL_EXIT_AFTER_START) says the verb count and the verb
# shown: the bundled file's record count and first verb.
expected_start() {
    printf 'verbs: %d\nshown: %s\n' $(($(wc -l <"$verb_file") / 395)) \
        "$(head -1 "$verb_file" | cut -c31- | tr -d '\r' | iconv -f WINDOWS-1252 -t UTF-8)"
}
start_and_leave() { # working directory, program as Windows names it
    (cd "$1" && ZANDREL_EXIT_AFTER_START=1 timeout 120 "$wine_run" "$2" </dev/null) | tr -d '\r'
}
registry_value() { # name in the uninstall key
    "$wine_run" reg query "$uninstall_key" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}
install_traces() { # all Program Files, the Start menu, the desktops and the key hold
    (cd "$drive_c" && find "Program Files" "ProgramData/Microsoft/Windows/Start Menu" \
        users/Public/Desktop 2>/dev/null | sort)
    "$wine_run" reg query "$uninstall_key" >/dev/null 2>&1 && echo "registry: $uninstall_key"
    return 0
}

case "$check" in
imports)
    dump=$(x86_64-w64-mingw32-objdump -p "$build/src/$program")
    [ -d "$drive_c/windows/system32" ] || "$wine_run" cmd /c exit 0 # makes the prefix
    for dll in $(sed -n 's/^\s*DLL Name: //p' <<<"$dump"); do
        # Windows keeps its DLLs in system32 (as Wine does); its loader resolves API sets.
        [[ ${dll,,} == api-ms-win-* ]] || [ -n "$(find "$drive_c/windows/system32" -maxdepth 1 \
            -iname "$dll" -print -quit)" ] || fail "$program imports $dll, not a part of Windows"
    done
    for feature in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT 'Subsystem.*Windows GUI'; do
        grep -q "^\s*$feature" <<<"$dump" || fail "$program is not built with $feature"
    done
    ;;
portable)
    rm -rf "$work/portable" "$work/elsewhere" && mkdir -p "$work/portable" "$work/elsewhere"
    (cd "$work/portable" && unzip -q "$build/$folder.zip")
    for file in "$program" Verb12Data.txt Verb12Alternatives.txt Verb12Ranks.txt README.txt \
        licences/{GPL-3.0,CC-BY-SA-4.0}.txt \
        licences/Qt-{LGPL-3.0,GPL-3.0,third-party-notices,build-options}.txt \
        licences/MinGW-w64-runtime.txt licences/SQLite.txt; do
        [ -f "$work/portable/$folder/$file" ] || fail "the zip lacks $folder/$file"
    done
    cmp -s "$work/portable/$folder/Verb12Data.txt" "$verb_file" || fail "not the bundled verbs"
    cmp -s "$work/portable/$folder/Verb12Alternatives.txt" "$alternatives_file" ||
        fail "not the bundled alternatives"
    cmp -s "$work/portable/$folder/Verb12Ranks.txt" "$ranks_file" || fail "not the bundled ranks"
    said=$(start_and_leave "$work/elsewhere" "Z:$work/portable/$folder/$program")
    [ "$said" = "$(expected_start)" ] || fail "the portable program said: $said"
    ;;
install)
    install_traces >"$work/before-install.txt"
    for option in /NODESKTOPSHORTCUT ""; do
        "$wine_run" "$build/german-verb-zandrel-$version-setup-x64.exe" /S $option
        for file in "$program" Verb12Data.txt Verb12Alternatives.txt Verb12Ranks.txt README.txt \
            uninstall.exe "${links[0]}"; do
            [[ $file == /* ]] || file=$install_dir/$file
            [ -f "$file" ] || fail "setup /S $option did not make $file"
        done
        [[ -e ${links[1]} && -z $option || ! -e ${links[1]} && -n $option ]] ||
            fail "setup /S $option: a desktop shortcut where none was asked for, or none"
    done
    cmp -s "$install_dir/Verb12Data.txt" "$verb_file" || fail "the installed verb file differs"
    cmp -s "$install_dir/Verb12Alternatives.txt" "$alternatives_file" ||
        fail "the installed alternatives file differs"
    [ "$(registry_value DisplayName)/$(registry_value DisplayVersion)" = \
        "German Verb Zandrel/$version" ] || fail "no uninstaller registered under $uninstall_key"
    [ "$(registry_value QuietUninstallString)" = "\"$installed\\uninstall.exe\" /S" ] ||
        fail "the quiet uninstall command is $(registry_value QuietUninstallString)"
    ;;
start)
    for link in "${links[@]}"; do
        [ "$(python3 "$here/read_shortcut.py" "$link")" = "$installed\\$program"$'\n'"$installed" ] ||
            fail "$(basename "$link") starts $(python3 "$here/read_shortcut.py" "$link")"
    done
    said=$(start_and_leave "$install_dir" "$installed\\$program")
    [ "$said" = "$(expected_start)" ] || fail "the installed trainer said: $said"
    # As the learner sees it: the window, its title, a screenshot; Alt+F4 closes it.
    (cd "$install_dir" && exec "$wine_run" "$installed\\$program" </dev/null &>"$work/start.log") &
    trainer=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^German Verb Zandrel$' |
        head -1) || fail "no window titled \"German Verb Zandrel\" within 60 s"
    sleep 3 # the first verb's board is drawn
    import -window root "$work/installed.png"
    [ "$(convert "$work/installed.png" -format '%k' info:)" -gt 100 ] || fail "an empty window"
    xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
    timeout 30 tail --pid="$trainer" -f /dev/null || fail "Alt+F4 did not close the trainer"
    wait "$trainer" || fail "the trainer ended with status $?"
    ;;
uninstall)
    "$wine_run" "$installed\\uninstall.exe" /S || fail "nothing to uninstall"
    # It works on from a copy of itself once the program started has ended.
    for _ in $(seq 60); do
        diff -q "$work/before-install.txt" <(install_traces) >/dev/null && break
        sleep 1
    done
    diff -u "$work/before-install.txt" <(install_traces) || fail "the uninstaller left these"
    ;;
*) fail "unknown check $check" ;;
esac
echo "windows packages: $check passed"
