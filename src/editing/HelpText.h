// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

namespace editing {

// The help panel's text, one entry a paragraph (or an empty line between
// them), for the memo to wrap at its width at any scale: a break of its own
// would leave fragments of sentences on lines of their own. Its title, the
// keys of the commands, then the numbered notes.
const QStringList &helpParagraphs();

// The shortcut lines are indented with a tab, but "ß = F8" with this many
// blanks: with the tab stop at that many blanks the four line up.
inline constexpr int HelpTabStopInBlanks = 16;

} // namespace editing
