// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>
#include <QString>

class QComboBox;
class QWidget;

// Input as the learner gives it: mouse events go to whatever control is on
// top at the point (the help panel covers the board when open), keys go to
// the focused control, and no drop-down is left open after an action.
namespace stress::input {

// The control a click at `point` (in `window`'s coordinates) really lands on.
QWidget *widgetAt(QWidget *window, QPoint point);

// Clicks the point at `relative` (0..1 in each direction) of `target`'s
// rectangle, delivered to the control on top there; returns that control.
QWidget *click(QWidget *window, QWidget *target, QPointF relative = {0.5, 0.5});

// One wheel notch per step (negative: towards the learner) over `target`.
QWidget *wheel(QWidget *window, QWidget *target, int steps);

// Opens the list with a click, moves `steps` entries (negative: up) in the
// drop-down with the arrow keys and takes the entry with Return. False when
// the click landed elsewhere and no drop-down opened.
bool choose(QWidget *window, QComboBox *list, int steps);

// The same with one key in the drop-down instead of arrow steps (End: the
// last entry, Home: the first).
bool chooseWithKey(QWidget *window, QComboBox *list, int key);

// Key presses go to the focused control (the window when none has the focus).
void key(QWidget *window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void type(QWidget *window, const QString &text);

// Closes any drop-down left open with Escape, as the learner would.
void closePopups();

} // namespace stress::input
