// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <QWidget>

namespace app {

// Gives `form` the window's name, title, size, background and font, the size
// and font drawn at `scale` (WindowScale.h).
void applyFormDesign(QWidget *form, double scale = 1.0);

// Creates in `form` every control of the control table, each with all the
// design says of it, places, sizes and fonts drawn at `scale`. Returns the
// names of the controls whose look is for another class (none in a sound table).
QStringList createDesignedControls(QWidget *form, double scale = 1.0);

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
