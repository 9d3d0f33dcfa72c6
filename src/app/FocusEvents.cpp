// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FocusEvents.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>
#include <QWindow>

namespace app {

FocusEvents::FocusEvents(QWidget *window) : QObject(window), m_window(window)
{
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &FocusEvents::focusWindowChanged);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && now->window() == m_window)
            m_windowHadFocus = true;
    });
}

void FocusEvents::watchForEnter(QWidget *control)
{
    control->installEventFilter(this);
}

bool FocusEvents::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        const bool windowReturns = reason == Qt::ActiveWindowFocusReason && m_windowHadFocus;
        if (reason != Qt::PopupFocusReason && !windowReturns)
            emit entered(static_cast<QWidget *>(watched));
    }
    return false;
}

void FocusEvents::focusWindowChanged(QWindow *focusWindow)
{
    if (!focusWindow)
        return; // the program lost the focus; where it comes back from decides
    const QWindow *mainWindow = m_window->windowHandle();
    if (focusWindow == mainWindow) {
        if (!m_activatedBefore || m_lastFocusWasOtherWindow) {
            m_activatedBefore = true;
            emit activated();
        }
        m_lastFocusWasOtherWindow = false;
        return;
    }
    // Drop-down lists are popups of this window, not windows of their own.
    m_lastFocusWasOtherWindow = focusWindow->type() != Qt::Popup;
}

} // namespace app
