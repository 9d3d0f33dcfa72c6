// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QAccessibleEvent;
class QObject;

namespace accessibility {

// Whether assistive technology is told of `event`. Entry boxes change while
// another control has the focus (a refresh empties all of them, Show All and
// its Restore refill them, a special character passes through a hidden box),
// and each change of text, caret or selection is an event: sixteen filled
// boxes emptied at a change of tense send some fifty, a screen reader drops
// events when that many queue up, and the announcement of the new tense,
// sent last, was among those dropped. Screen readers read a box's text and
// selection when the focus arrives, so only the focused box's are told; and
// not those of the box taking the focus, whose selecting its text on entry
// would otherwise be read before the box itself is.
bool isToldToAssistiveTechnology(const QAccessibleEvent &event);

// While it lives, the text, caret and selection events of `control` are not
// told either: a command that replaces a focused box's text and announces
// the new text itself would otherwise be heard twice, the toolkit's events
// first ("Text unselected", the blank at the caret).
class QuietTextChange {
public:
    explicit QuietTextChange(const QObject *control);
    ~QuietTextChange();
    QuietTextChange(const QuietTextChange &) = delete;
    QuietTextChange &operator=(const QuietTextChange &) = delete;

private:
    const QObject *m_before;
};

// Installs the filter in front of the platform's accessibility bridge. Safe
// to call again.
void installAccessibilityUpdateFilter();

} // namespace accessibility
