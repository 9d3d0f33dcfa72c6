// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace accessibility {

// Tells assistive technology what the window shows only to the eye (how many
// answers Test Answers found wrong, which verb and tense a list or the
// look-up chose, the letters Show Random revealed). It draws nothing and
// takes no input; screen readers read it as a notification each time it is
// announced, since the toolkit cannot send a spoken announcement by itself.
class StatusAnnouncer : public QWidget {
    Q_OBJECT
public:
    explicit StatusAnnouncer(QWidget *parent = nullptr);

    // Shows `message` anew, so it is read even when it repeats the last one.
    void announce(const QString &message);
    // The result no longer holds: nothing is showing.
    void withdraw();
};

} // namespace accessibility
