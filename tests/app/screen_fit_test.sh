#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The window on a laptop's screen at the desktop's scaling, under Xvfb and a window manager
# (openbox): its frame, title bar included, lies inside the work area, and "F" and "H" are drawn
# in its top right corner.   screen_fit_test.sh PROGRAM VERB_DIR WIDTHxHEIGHT@SCALE PICTURE
# (SCALE goes to Qt as QT_SCALE_FACTOR, as from a desktop at 150 % or 200 %; PICTURE keeps the screen.)
set -euo pipefail
program=$1 verb_dir=$2 screen=${3%@*} scale=${3#*@} picture=$4
# shellcheck source=../support/checks.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.sh"
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait; rm -rf "$work"' EXIT
numbers() { grep -o -- '-\?[0-9]\+' | tr '\n' ' '; }

Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
wait_until 10 test -s "$work/display" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n 1 "$work/display")
# openbox runs its start-up command once it manages windows; one mapped earlier may stay unmanaged.
HOME=$work openbox --sm-disable --startup "touch $work/managing" >/dev/null 2>&1 &
pids+=($!)
wait_until 10 test -e "$work/managing" || { echo "openbox did not start" >&2; exit 1; }
(cd "$verb_dir" && QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" exec "$program") 2>/dev/null &
pids+=($!)
find_window() { window=$(xdotool search --onlyvisible --name '^German Verb Zandrel$' | head -n 1); }
wait_until 30 find_window || { echo "the window did not appear" >&2; exit 1; }
sleep 2 # the verb list loaded and the window placed

read -r x y <<<"$(xwininfo -id "$window" | grep 'Absolute upper-left' | numbers)"
read -r width height <<<"$(xwininfo -id "$window" | grep -E '^ *(Width|Height):' | numbers)"
read -r left right top bottom <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | numbers)"
read -r area_x area_y area_width area_height _ <<<"$(xprop -root _NET_WORKAREA | numbers)"
echo "screen $screen at $scale: work area $area_x,$area_y ${area_width}x$area_height;" \
    "window $x,$y ${width}x$height in a frame of $left, $right, $top, $bottom"
((top > 0)) || fail "the window has no title bar"
((x - left >= area_x && y - top >= area_y)) || fail "the frame starts off the screen"
((x + width + right <= area_x + area_width)) || fail "the frame runs off the right of the screen"
((y + height + bottom <= area_y + area_height)) || fail "the frame runs off the bottom of the screen"

import -window root "$picture"
corner="$((width * 33 / 1014))x$((height * 16 / 471))+$((x + width - width * 33 / 1014))+$y"
dark=$(convert "$picture" -crop "$corner" -colorspace Gray -threshold 40% \
    -format '%[fx:int(w*h*(1-mean))]' info:)
((dark >= 10)) || fail "no lettering in the window's top right corner"
finish
