// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <QWidget>

namespace app {

// Gives `form` the window's name, title, size, background and font.
void applyFormDesign(QWidget *form);

// Creates in `form` every control of the control table, each with all the
// design says of it. Returns the names of the controls whose look is for
// another class (none in a sound table).
QStringList createDesignedControls(QWidget *form);

// Works out again the colours the design gives the controls against the
// desktop's palette (fixed backgrounds with text readable on them, the active
// caption colour, the lists' face), after that palette has changed.
void applyDesignedColours(QWidget *form);

// The control of `form` called `name`, of class T; null (and an assertion in
// a debug build) when there is none.
template <typename T = QWidget> T *namedControl(const QWidget &form, const QString &name)
{
    auto *found = form.findChild<T *>(name);
    Q_ASSERT_X(found, "namedControl", qPrintable(name));
    return found;
}

} // namespace app
