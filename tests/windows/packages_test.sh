#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows packages as a learner meets them, under Wine on the X server in DISPLAY:
#   packages_test.sh CHECK BUILD_DIR VERSION WORK_DIR
# CHECK is one of, in this order:
#   imports    the program needs only DLLs that come with Windows, and is relocatable (ASLR)
#              with non-executable data (DEP)
#   portable   the zip unpacks to the folder it names; the program started from another
#              folder reads the bundled verb file beside it
#   install    the setup installs silently, without and then with the desktop shortcut, and
#              registers its uninstaller with Windows
#   start      the trainer started from its Start-menu shortcut's target and working
#              directory opens on the first bundled verb, titled "German Verb Zandrel"; a
#              screenshot (WORK_DIR/installed.png); Alt+F4 closes it
#   uninstall  the uninstaller, silently, leaves Program Files, the Start menu, the desktop and
#              the registry as they were before the install
set -euo pipefail
check=$1 build=$2 version=$3 work=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
wine_run=$root/scripts/wine-run
export ZANDREL_WINEPREFIX=${ZANDREL_WINEPREFIX:-$build/wine}
drive_c=$ZANDREL_WINEPREFIX/drive_c
program=german-verb-zandrel.exe
folder=german-verb-zandrel-$version-windows-x64
setup=$build/german-verb-zandrel-$version-setup-x64.exe
install_dir="$drive_c/Program Files/German Verb Zandrel"
start_menu_link="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/German Verb Zandrel.lnk"
desktop_link="$drive_c/users/Public/Desktop/German Verb Zandrel.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\GermanVerbZandrel'
verb_file=$root/data/Verb12Data.txt
mkdir -p "$work"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# What a start of the trainer says before it leaves (ZANDREL_EXIT_AFTER_START): the verb count
# and the verb shown. The expected: the bundled file's record count and its first verb.
expected_start() {
    printf 'verbs: %d\nshown: %s\n' $(($(wc -l <"$verb_file") / 395)) \
        "$(head -1 "$verb_file" | cut -c31- | tr -d '\r' | iconv -f WINDOWS-1252 -t UTF-8)"
}
start_and_leave() { # working directory, program as Windows sees it
    (cd "$1" && ZANDREL_EXIT_AFTER_START=1 timeout 120 "$wine_run" "$2" </dev/null) | tr -d '\r'
}

registry_value() { # name: its value in the uninstall key, or nothing
    "$wine_run" reg query "$uninstall_key" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}

# Everything Program Files, the Start menu and the desktops hold, one path a line.
install_traces() {
    (cd "$drive_c" && find "Program Files" "ProgramData/Microsoft/Windows/Start Menu" \
        users/Public/Desktop 2>/dev/null | sort)
    "$wine_run" reg query "$uninstall_key" >/dev/null 2>&1 && echo "registry: $uninstall_key"
    return 0
}

case "$check" in
imports)
    exe=$build/src/$program
    dump=$(x86_64-w64-mingw32-objdump -p "$exe")
    system32=$drive_c/windows/system32
    [ -d "$system32" ] || "$wine_run" cmd /c exit 0 # makes the prefix
    dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$dump")
    [ -n "$dlls" ] || fail "no imports found in $exe"
    for dll in $dlls; do
        # Every DLL Windows itself provides is in system32 (Wine keeps one for each there), or
        # is one of Windows' API sets, which its loader resolves (api-ms-win-*).
        if [[ ${dll,,} != api-ms-win-* ]] &&
            [ -z "$(find "$system32" -maxdepth 1 -iname "$dll" -print -quit)" ]; then
            fail "$program imports $dll, which Windows does not provide"
        fi
    done
    for feature in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
        grep -q "^\s*$feature" <<<"$dump" || fail "$program is not built with $feature"
    done
    grep -q "^Subsystem\s*00000002" <<<"$dump" || fail "$program is not a windowed program"
    echo "imports:" $dlls
    ;;
portable)
    rm -rf "$work/portable" "$work/elsewhere"
    mkdir -p "$work/portable" "$work/elsewhere"
    (cd "$work/portable" && unzip -q "$build/$folder.zip")
    for file in "$program" Verb12Data.txt README.txt licences/GPL-3.0.txt licences/CC-BY-SA-4.0.txt \
        licences/Qt-LGPL-3.0.txt licences/Qt-GPL-3.0.txt licences/Qt-third-party-notices.txt \
        licences/Qt-build-options.txt licences/MinGW-w64-runtime.txt; do
        [ -f "$work/portable/$folder/$file" ] || fail "the zip lacks $folder/$file"
    done
    cmp -s "$work/portable/$folder/Verb12Data.txt" "$verb_file" ||
        fail "the zip's Verb12Data.txt is not the bundled verb file"
    # Started from a folder without a verb file, it reads the one beside it.
    said=$(start_and_leave "$work/elsewhere" "Z:$work/portable/$folder/$program")
    [ "$said" = "$(expected_start)" ] || fail "the portable program said: $said"
    ;;
install)
    install_traces >"$work/before-install.txt"
    for option in /NODESKTOPSHORTCUT ""; do
        "$wine_run" "$setup" /S $option || fail "setup /S $option failed"
        for file in "$program" Verb12Data.txt README.txt uninstall.exe; do
            [ -f "$install_dir/$file" ] || fail "setup /S $option did not install $file"
        done
        [ -f "$start_menu_link" ] || fail "setup /S $option made no Start-menu entry"
        if [ -n "$option" ] && [ -e "$desktop_link" ]; then
            fail "setup /S $option made a desktop shortcut"
        elif [ -z "$option" ] && [ ! -f "$desktop_link" ]; then
            fail "setup /S made no desktop shortcut"
        fi
    done
    cmp -s "$install_dir/Verb12Data.txt" "$verb_file" || fail "the installed verb file differs"
    [ "$(registry_value DisplayName)" = "German Verb Zandrel" ] ||
        fail "no uninstaller registered under $uninstall_key"
    [ "$(registry_value DisplayVersion)" = "$version" ] || fail "the registered version is wrong"
    [ "$(registry_value QuietUninstallString)" = \
        '"C:\Program Files\German Verb Zandrel\uninstall.exe" /S' ] ||
        fail "the quiet uninstall command is $(registry_value QuietUninstallString)"
    ;;
start)
    for link in "$start_menu_link" "$desktop_link"; do
        mapfile -t shortcut < <(python3 "$here/read_shortcut.py" "$link")
        [ "${shortcut[0]}" = "C:\\Program Files\\German Verb Zandrel\\$program" ] ||
            fail "$(basename "$link") starts ${shortcut[0]}"
        [ "${shortcut[1]}" = "C:\\Program Files\\German Verb Zandrel" ] ||
            fail "$(basename "$link") starts in '${shortcut[1]}'"
    done
    target=${shortcut[0]}
    said=$(start_and_leave "$install_dir" "$target")
    [ "$said" = "$(expected_start)" ] || fail "the installed trainer said: $said"

    # As the learner sees it: the window, its title, a screenshot; Alt+F4 closes it.
    (cd "$install_dir" && exec "$wine_run" "$target" </dev/null >"$work/start.log" 2>&1) &
    trainer=$!
    window=""
    for _ in $(seq 60); do
        window=$(xdotool search --onlyvisible --name '^German Verb Zandrel$' 2>/dev/null | head -1) &&
            [ -n "$window" ] && break
        sleep 1
    done
    [ -n "$window" ] || fail "no window titled \"German Verb Zandrel\" within 60 s"
    sleep 3 # the first verb's board is drawn
    import -window root "$work/installed.png"
    colours=$(convert "$work/installed.png" -format '%k' info:)
    [ "$colours" -gt 100 ] || fail "the screenshot shows an empty window ($colours colours)"
    xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
    for _ in $(seq 30); do
        kill -0 "$trainer" 2>/dev/null || break
        sleep 1
    done
    if kill -0 "$trainer" 2>/dev/null; then
        kill "$trainer"
        fail "Alt+F4 did not close the trainer"
    fi
    wait "$trainer" || fail "the trainer ended with status $?"
    ;;
uninstall)
    [ -f "$install_dir/uninstall.exe" ] || fail "nothing installed"
    "$wine_run" "C:\\Program Files\\German Verb Zandrel\\uninstall.exe" /S
    # The uninstaller works on from a copy of itself once the program started has ended: wait
    # until the traces are as before, or a minute has passed.
    for _ in $(seq 60); do
        diff -q "$work/before-install.txt" <(install_traces) >/dev/null && break
        sleep 1
    done
    diff -u "$work/before-install.txt" <(install_traces) ||
        fail "the uninstaller left the above behind"
    ;;
*)
    fail "unknown check $check"
    ;;
esac
echo "windows packages: $check passed"
