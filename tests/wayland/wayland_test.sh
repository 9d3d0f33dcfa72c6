#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the trainer as a native Wayland client under weston, the way a learner meets it on a
# Wayland desktop: weston's x11 backend nested in Xvfb gives it a seat (keyboard and pointer), and
# xdotool's input to weston's X window reaches the trainer as Wayland input.
#
#   wayland_test.sh CHECK PROGRAM VERB_FILE WORK_DIR
# CHECK is one of
#   clipboard       the window is activated at start; Paste takes text wl-copy put on the Wayland
#                   clipboard, Copy puts a box's text there for wl-paste; the close button ends it
#   starts          many starts in a row, each leaving on its own right after start-up
#   closing         many starts in a row, each ended by the window's close button, then by SIGTERM
#   warning_dialog  the line-count warning opens over the shown window, as its dialog, and takes
#                   the keyboard; Return closes it and the trainer goes on
# Every wait is bounded: a trainer that does not start, respond or end in time fails the check
# with a message saying which (and, when gdb is there, the threads of a hung process).
#   ZANDREL_WAYLAND_STARTS   starts of the "starts" check (default 40)
#   ZANDREL_WAYLAND_CLOSES   closes of each kind in the "closing" check (default 8)
set -euo pipefail

check=$1
program=$(realpath "$2")
verb_file=$(realpath "$3")
work=$(realpath -m "$4")

# The trainer's client area and weston's output. The output is a little larger than the window
# (weston places a new window at random where it fits), so the window always covers the
# output's centre, where the pointer waits: then the pointer never shows outside the window.
readonly ClientWidth=1014 ClientHeight=471
readonly OutputWidth=1100 OutputHeight=600
readonly Background='#305070'
readonly ParkX=550 ParkY=300
readonly StartSeconds=30 # from start to the window on the screen
readonly EndSeconds=10   # from closing (or SIGTERM) to the process gone

# shellcheck source=../support/checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.sh"

# --- the session: Xvfb, weston on it, the trainer's directory --------------------------------------
session_pids=()
trainer_pid=""
stop_session() {
    local pid
    for pid in $trainer_pid "${session_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}
trap stop_session EXIT

start_session() {
    rm -rf "$work"
    mkdir -p "$work/trainer"
    ln -s "$verb_file" "$work/trainer/Verb12Data.txt"
    local runtime="$work/runtime"
    mkdir -m 700 "$runtime"
    export XDG_RUNTIME_DIR=$runtime HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
    mkdir -p "$HOME"

    # Xvfb picks a free display and writes its number to fd 3.
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    session_pids+=($!)
    wait_until 10 test -s "$work/display" || {
        cat "$work/xvfb.log" >&2
        echo "Xvfb did not start" >&2
        exit 1
    }
    export DISPLAY=:$(head -n 1 "$work/display")

    cat >"$work/weston.ini" <<EOF
[core]
idle-time=0
[shell]
panel-position=none
background-color=0xff${Background#\#}
locking=false
animation=none
close-animation=none
startup-animation=none
focus-animation=none
[input-method]
path=
EOF
    weston --config="$work/weston.ini" --backend=x11-backend.so --use-pixman \
        --socket=zandrel-test --width=$OutputWidth --height=$OutputHeight \
        >"$work/weston.log" 2>&1 &
    session_pids+=($!)
    wait_until 10 test -S "$runtime/zandrel-test" || {
        cat "$work/weston.log" >&2
        echo "weston did not start" >&2
        exit 1
    }
    export WAYLAND_DISPLAY=zandrel-test
    # weston's own desktop (background) takes a moment to appear.
    wait_until 10 screen_is_plain || {
        echo "weston's desktop did not appear" >&2
        exit 1
    }
    point_at $ParkX $ParkY
}

# --- the trainer -------------------------------------------------------------------------------
start_trainer() { # name, then extra environment assignments
    local name=$1
    shift
    : >"$work/$name.out"
    : >"$work/$name.err"
    # Native Wayland only: without DISPLAY there is no X11 to fall back to.
    (cd "$work/trainer" && exec env -u DISPLAY QT_QPA_PLATFORM=wayland "$@" "$program") \
        >"$work/$name.out" 2>"$work/$name.err" </dev/null &
    trainer_pid=$!
}

# Whether the trainer still runs (an ended one waiting to be reaped does not).
trainer_alive() {
    local stat
    stat=$(cat "/proc/$trainer_pid/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [ "${stat%% *}" != Z ]
}

# Waits up to `seconds` for the trainer to end and sets end_status to its exit status, or to
# "hang" after showing its threads and killing it.
end_status=""
wait_for_trainer_end() {
    local seconds=$1
    end_status=0
    if ! wait_until "$seconds" eval '! trainer_alive'; then
        echo "the trainer (pid $trainer_pid) is still running ${seconds} s later" >&2
        if command -v gdb >/dev/null; then
            gdb -p "$trainer_pid" -batch -ex 'thread apply all bt' 2>/dev/null |
                grep -E '^(Thread|#)' >&2 || true
        fi
        kill -KILL "$trainer_pid" 2>/dev/null || true
        wait "$trainer_pid" 2>/dev/null || true
        end_status=hang
    else
        wait "$trainer_pid" || end_status=$?
    fi
    trainer_pid=""
}

# --- the screen --------------------------------------------------------------------------------
screenshot() {
    import -window root -crop ${OutputWidth}x${OutputHeight}+0+0 +repage "$work/screen.png"
}

# Prints "WIDTHxHEIGHT+X+Y" of everything on the output that is not the desktop background.
drawn_area() {
    screenshot 2>/dev/null &&
        convert "$work/screen.png" -bordercolor "$Background" -border 1 -format '%@' info: 2>/dev/null ||
        true
}

screen_is_plain() {
    local area
    area=$(drawn_area)
    [[ $area =~ ^([0-9]+)x([0-9]+) ]] && ((BASH_REMATCH[1] * BASH_REMATCH[2] < 1000))
}

# Finds the trainer's window, decorations included, once it stands still on the screen:
# sets frame_x, frame_y, frame_width, frame_height and the decoration's margins.
frame_x=0 frame_y=0 frame_width=0 frame_height=0 margin_side=0 margin_top=0
find_window() {
    local previous="" area deadline=$((SECONDS + StartSeconds))
    while ((SECONDS < deadline)); do
        area=$(drawn_area)
        if [[ $area =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] &&
            ((BASH_REMATCH[1] >= ClientWidth && BASH_REMATCH[2] >= ClientHeight)) &&
            [ "$area" = "$previous" ]; then
            frame_width=${BASH_REMATCH[1]} frame_height=${BASH_REMATCH[2]}
            # -border 1 shifted the picture by one pixel.
            frame_x=$((BASH_REMATCH[3] - 1)) frame_y=$((BASH_REMATCH[4] - 1))
            # The decoration draws a title bar above the client area and a thin, even edge
            # on the other three sides.
            margin_side=$(((frame_width - ClientWidth) / 2))
            margin_top=$((frame_height - ClientHeight - margin_side))
            return 0
        fi
        previous=$area
        sleep 0.3
    done
    echo "no window of at least ${ClientWidth}x${ClientHeight} stood still on the screen (last seen: $area)" >&2
    return 1
}

# Moves weston's pointer to x y on the output. weston's x11 backend turns X pointer motion into
# relative motion, which drifts; entering its X window sets the position exactly. So the X pointer
# leaves the window (the X screen is larger than weston's output) and comes back in at x y.
point_at() {
    xdotool mousemove $((OutputWidth + 100)) $((OutputHeight + 100)) sleep 0.1 mousemove "$1" "$2" sleep 0.1
}

click_at() { # x y on the output
    point_at "$1" "$2"
    xdotool click 1
    sleep 0.3
    point_at $ParkX $ParkY
}

click_in_window() { # x y in the trainer's client area
    click_at $((frame_x + margin_side + $1)) $((frame_y + margin_top + $2))
}

click_close_button() {
    # The close button sits at the right of the title bar, as far from the frame's right edge
    # as from its top.
    local from_edge=$((margin_top / 2))
    click_at $((frame_x + frame_width - margin_side - from_edge)) $((frame_y + from_edge))
}

# --- the Wayland protocol, as the trainer's WAYLAND_DEBUG log shows it ------------------------------
# The id of the xdg_toplevel whose title is $2, in log $1.
toplevel_titled() {
    sed -n "s/.*-> xdg_toplevel@\([0-9]*\)\.set_title(\"$2\").*/\1/p" "$1" | head -n 1
}

# The id of the wl_surface behind xdg_toplevel $2, in log $1.
surface_of_toplevel() {
    local xdg_surface
    xdg_surface=$(sed -n "s/.*-> xdg_surface@\([0-9]*\)\.get_toplevel(new id xdg_toplevel@$2).*/\1/p" "$1" | head -n 1)
    [ -n "$xdg_surface" ] || return 0
    sed -n "s/.*get_xdg_surface(new id xdg_surface@$xdg_surface, wl_surface@\([0-9]*\)).*/\1/p" "$1" | head -n 1
}

# Whether the trainer's log $1 shows the keyboard entering wl_surface $2 (at least $3 times).
keyboard_entered() {
    local count
    count=$(grep -cE "wl_keyboard@[0-9]+\.enter\([0-9]+, wl_surface@$2, " "$1" || true)
    ((count >= ${3:-1}))
}

# --- the checks --------------------------------------------------------------------------------
readonly MainTitle="German Verb Zandrel"

check_clipboard() {
    start_session
    local from_outside="Wayland clipboard"
    printf '%s' "$from_outside" | timeout $EndSeconds wl-copy || fail "wl-copy could not set the clipboard"

    start_trainer clipboard WAYLAND_DEBUG=1
    local log="$work/clipboard.err"
    find_window || {
        fail "the trainer's window did not appear"
        finish
    }
    local toplevel surface
    toplevel=$(toplevel_titled "$log" "$MainTitle")
    surface=$(surface_of_toplevel "$log" "$toplevel")
    [ -n "$surface" ] || fail "the trainer made no xdg_toplevel titled \"$MainTitle\""
    # Activated at start, before any click: the compositor gives it the keyboard.
    wait_until $StartSeconds keyboard_entered "$log" "$surface" ||
        fail "the window was not activated at start (the keyboard never entered it)"

    # Into E13 (the ich row of the fourth column), type, paste behind it, copy the whole box.
    click_in_window $((432 + 31)) $((252 + 13))
    xdotool type --delay 60 "ab"
    sleep 0.3
    click_in_window $((306 + 37)) $((224 + 12)) # leftPaste
    click_in_window $((226 + 37)) $((224 + 12)) # leftCopy
    local expected="ab$from_outside" pasted=""
    wait_until $EndSeconds eval 'pasted=$(timeout 5 wl-paste --no-newline 2>/dev/null); [ "$pasted" = "$expected" ]' ||
        fail "after typing \"ab\", Paste and Copy in E13, wl-paste gives \"$pasted\", not \"$expected\""

    click_close_button
    wait_for_trainer_end $EndSeconds
    [ "$end_status" = 0 ] || fail "closing the window: the trainer ended with \"$end_status\", not 0"
    finish
}

check_starts() {
    start_session
    local starts=${ZANDREL_WAYLAND_STARTS:-40} hangs=0 i output
    for ((i = 1; i <= starts; i++)); do
        start_trainer start ZANDREL_EXIT_AFTER_START=1
        wait_for_trainer_end $StartSeconds
        output=$(cat "$work/start.out")
        if [ "$end_status" = hang ]; then
            hangs=$((hangs + 1))
            fail "start $i: the trainer did not end within $StartSeconds s of starting"
        elif [ "$end_status" != 0 ] || [[ ! $output =~ ^verbs:\ [1-9] ]]; then
            fail "start $i: exit status $end_status, output \"$output\""
            cat "$work/start.err" >&2
        fi
    done
    echo "starts: $starts, hangs: $hangs"
    finish
}

check_closing() {
    start_session
    local closes=${ZANDREL_WAYLAND_CLOSES:-8} hangs=0 i
    for ((i = 1; i <= closes; i++)); do
        start_trainer closing
        if ! find_window; then
            fail "close $i: the window did not appear"
            kill -KILL "$trainer_pid"
            wait_for_trainer_end $EndSeconds
            continue
        fi
        click_close_button
        wait_for_trainer_end $EndSeconds
        [ "$end_status" != hang ] || hangs=$((hangs + 1))
        [ "$end_status" = 0 ] || fail "close $i: after the close button, the trainer ended with \"$end_status\""
    done
    echo "closed by the close button: $closes, hangs: $hangs"

    hangs=0
    for ((i = 1; i <= closes; i++)); do
        start_trainer terminated
        find_window || fail "SIGTERM $i: the window did not appear"
        kill -TERM "$trainer_pid"
        wait_for_trainer_end $EndSeconds
        [ "$end_status" != hang ] || hangs=$((hangs + 1))
        # 128 + SIGTERM: ended by the signal, nothing else to do.
        [ "$end_status" = 143 ] || fail "SIGTERM $i: the trainer ended with \"$end_status\", not by the signal"
    done
    echo "ended by SIGTERM: $closes, hangs: $hangs"
    finish
}

check_warning_dialog() {
    start_session
    # One line more than a whole record: the line-count warning.
    rm "$work/trainer/Verb12Data.txt"
    { head -n 395 "$verb_file" && printf 'n\r\n'; } >"$work/trainer/Verb12Data.txt"

    start_trainer warning WAYLAND_DEBUG=1
    local log="$work/warning.err" dialog main
    wait_until $StartSeconds eval '[ -n "$(toplevel_titled "$log" "Information.*")" ]' || {
        fail "no warning dialog appeared"
        finish
    }
    dialog=$(toplevel_titled "$log" "Information.*")
    main=$(toplevel_titled "$log" "$MainTitle")
    [ -n "$main" ] || fail "the main window was not shown before the warning"
    # The dialog belongs to the main window: the compositor keeps it on top of it.
    grep -qE -- "-> xdg_toplevel@$dialog\.set_parent\(xdg_toplevel@$main\)" "$log" ||
        fail "the warning dialog is not a child of the main window (no set_parent)"
    # The main window is on the screen under it, not only the dialog.
    find_window || fail "the main window is not on the screen under the warning"

    # The dialog has the keyboard: Return presses its OK button.
    local dialog_surface
    dialog_surface=$(surface_of_toplevel "$log" "$dialog")
    wait_until $StartSeconds keyboard_entered "$log" "$dialog_surface" ||
        fail "the warning dialog did not get the keyboard"
    local main_surface entered_before
    main_surface=$(surface_of_toplevel "$log" "$main")
    entered_before=$(grep -cE "wl_keyboard@[0-9]+\.enter\([0-9]+, wl_surface@$main_surface, " "$log" || true)
    xdotool key Return
    wait_until $EndSeconds grep -qE -- "-> xdg_toplevel@$dialog\.destroy\(\)" "$log" ||
        fail "Return did not close the warning dialog"
    # The keyboard goes back to the main window, and the trainer goes on.
    wait_until $EndSeconds keyboard_entered "$log" "$main_surface" $((entered_before + 1)) ||
        fail "the main window did not get the keyboard back after the warning"

    find_window && click_close_button
    wait_for_trainer_end $EndSeconds
    [ "$end_status" = 0 ] || fail "closing the window after the warning: the trainer ended with \"$end_status\""
    finish
}

case "$check" in
clipboard) check_clipboard ;;
starts) check_starts ;;
closing) check_closing ;;
warning_dialog) check_warning_dialog ;;
*)
    echo "unknown check: $check" >&2
    exit 2
    ;;
esac
