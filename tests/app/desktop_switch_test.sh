#!/bin/sh
# SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a window test (its arguments) on a desktop of its own where the test switches between
# light and dark: an X server with Qt's GTK platform theme, and a D-Bus session whose desktop
# portal (started on first use) reads GNOME's settings from a key file of its own.
set -eu
home=$(mktemp -d)
mkdir -m 700 "$home/runtime"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$home/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb' EXIT
for _ in $(seq 100); do [ -s "$home/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$home/display")" QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=gtk3 \
    XDG_CURRENT_DESKTOP=GNOME GSETTINGS_BACKEND=keyfile XDG_CONFIG_HOME="$home/config" \
    XDG_RUNTIME_DIR="$home/runtime" ZANDREL_DESKTOP_SWITCH=1
status=0
dbus-run-session -- "$@" || status=$?
# The portal's services leave with the session; the document portal's mount a moment later.
for _ in $(seq 50); do rm -rf "$home" 2>/dev/null && break; sleep 0.1; done
exit $status
