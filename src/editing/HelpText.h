// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

namespace editing {

// The help panel's text, one entry a line, exactly as the learner reads it.
const QStringList &helpLines();

// The shortcut lines are indented with a tab, but "ß = F8" with this many
// blanks: with the tab stop at that many blanks the four line up.
inline constexpr int HelpTabStopInBlanks = 16;

} // namespace editing
