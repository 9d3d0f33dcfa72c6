// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QKeySequence>
#include <QString>
#include <QStringList>

#include <vector>

namespace app {

// A key that presses a command of the window, and what the command does.
struct CommandKey {
    QStringList controls; // the buttons (or panel) it stands for; the first is pressed
    QKeySequence keys;
    QString purpose; // the tooltip, before the key
    // false: the entry boxes take the key themselves (F5 to F8; Return in the Alpha box)
    bool windowShortcut = true;
};

// Every command's key. The window shortcuts act from any control of the
// window without moving the focus, so the box being typed in stays the
// active box; while the help is open, those of the controls it covers do
// nothing (ModalPanel.h). None uses the entry boxes' editing keys, F5 to F8,
// Return or Tab.
const std::vector<CommandKey> &commandKeys();

// "Mark every wrong answer (Alt+T)"
QString toolTipWithKey(const CommandKey &command);

} // namespace app
