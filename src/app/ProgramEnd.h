// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace app {

// Ends the program with `status` once its window has closed and everything the program owns
// has been released. On Wayland the process ends right here, without Qt's teardown of the
// connection to the compositor: Qt 6.4 stops its two Wayland event threads one after the
// other, and the second can be left in wl_display_read_events waiting for a read that was
// prepared for the first and never finished, so the teardown waits forever and the closed
// trainer lives on as a hung process. The compositor releases what the connection held once
// the process is gone. Elsewhere the toolkit's teardown runs (on X11 it hands copied text to
// the clipboard manager) and the status is returned for main to return.
int leaveProgram(int status);

} // namespace app
