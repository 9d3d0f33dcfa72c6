// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;
class QWindow;

namespace app {

// Turns Qt's focus and activation events into the two events the window's
// handlers are written for.
//
// entered(control): the control received the focus from another control of
// the window (mouse, Tab, Shift+Tab, the program), or as the window's very
// first focus. Qt reports that first focus with the window-activation reason,
// the same reason it gives when the window merely becomes active again, so the
// two are told apart by whether the window has had a focused control before.
//
// activated(): the window became the program's focused window for the first
// time, or got the focus back from another window of the program (a dialog).
// Coming back from another application, or from a drop-down list closing,
// is not an activation.
class FocusEvents : public QObject {
    Q_OBJECT
public:
    explicit FocusEvents(QWidget *window);

    void watchForEnter(QWidget *control);

signals:
    void entered(QWidget *control);
    void activated();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void focusWindowChanged(QWindow *focusWindow);

    QWidget *m_window;
    bool m_windowHadFocus = false;
    bool m_activatedBefore = false;
    bool m_lastFocusWasOtherWindow = false;
};

} // namespace app
