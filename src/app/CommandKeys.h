// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QKeySequence>
#include <QString>
#include <QStringList>

#include <vector>

namespace app {

// A key that presses a command of the window, or takes the focus to a place
// of it, and what it does.
struct CommandKey {
    // The buttons (or panel) it stands for, the first pressed; for a key that
    // moves the focus, the controls it goes to, the first shown taking it.
    QStringList controls;
    QKeySequence keys;
    QString purpose; // the tooltip, before the key
    // false: the entry boxes take the key themselves (F5 to F8; Return in the Alpha box)
    bool windowShortcut = true;
    bool movesFocus = false;
    QStringList toolTipOn{}; // where the tooltip goes when not on `controls`
};

// Every command's key. The window shortcuts act from any control of the
// window; those that press a command do not move the focus, so the box
// being typed in stays the active box. While the help is open, those of the
// controls it covers do nothing (widgets/ModalPanel.h). None uses the entry boxes'
// editing keys, F5 to F8, Return or Tab.
const std::vector<CommandKey> &commandKeys();

// The controls that show the key in their tooltip.
const QStringList &toolTipControls(const CommandKey &command);

// "Mark every wrong answer (Alt+T)"
QString toolTipWithKey(const CommandKey &command);

} // namespace app
