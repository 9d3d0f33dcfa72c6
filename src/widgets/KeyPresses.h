// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QKeyEvent>

namespace widgets {

// Return or keypad Enter without Ctrl, Alt, Shift or Meta: what presses the
// focused button on Windows and in GTK, besides Space.
inline bool pressesFocusedButton(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers held = event.modifiers() & ~Qt::KeypadModifier;
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
           held == Qt::NoModifier;
}

// Clicks `button` for Return or Enter and takes the key; false for any other.
// At once, as a dialog's default button takes Return, so the keys typed next
// land after the command; a held key does not repeat it.
inline bool clickOnReturn(QAbstractButton &button, QKeyEvent *event)
{
    if (!pressesFocusedButton(*event))
        return false;
    if (!event->isAutoRepeat())
        button.click();
    event->accept();
    return true;
}

inline bool isPlainSpace(const QKeyEvent &event)
{
    return event.key() == Qt::Key_Space && event.modifiers() == Qt::NoModifier;
}

} // namespace widgets
