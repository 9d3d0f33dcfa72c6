#!/bin/sh
# SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a window test (its arguments) on an X server of its own with Qt's GTK platform theme and
# a D-Bus session of its own, where the test plays the desktop switching between light and dark.
set -eu
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb; rm -f "$display_file"' EXIT
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$display_file")" QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=gtk3 \
    ZANDREL_DESKTOP_SWITCH=1
dbus-run-session -- "$@"
