// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/ModalPanel.h"

#include <QApplication>
#include <QShortcut>
#include <QWidget>

namespace widgets {

ModalPanel::ModalPanel(QWidget *panel, QWidget *firstFocus)
    : QObject(panel), m_panel(panel), m_firstFocus(firstFocus)
{
    // Whatever moves the focus onto a covered control (a key of the program's
    // own, a click Qt delivers past the panel), it goes back into the panel.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (m_open && now && covers(now))
            m_firstFocus->setFocus(Qt::OtherFocusReason);
    });
}

bool ModalPanel::covers(const QWidget *control) const
{
    QWidget *area = m_panel->parentWidget();
    if (control == area || control == m_panel || m_panel->isAncestorOf(control) ||
        !area->isAncestorOf(control))
        return false;
    const QRect place(control->mapTo(area, QPoint(0, 0)), control->size());
    return place.intersects(m_panel->geometry());
}

bool ModalPanel::takesTabFocus(const QWidget *control) const
{
    // As Qt's own Tab chooses: a control that Tab may focus, not one that
    // hands its focus to another.
    return m_panel->isAncestorOf(control) && control->isVisibleTo(m_panel) &&
           control->isEnabled() && (control->focusPolicy() & Qt::TabFocus) &&
           !control->focusProxy();
}

void ModalPanel::open(QPoint place, QWidget *focusBack)
{
    m_panel->move(place);
    m_panel->show();
    m_panel->raise();
    if (!m_open) {
        m_open = true;
        QWidget *focused = focusBack ? focusBack : m_panel->window()->focusWidget();
        m_focusBefore = focused && !m_panel->isAncestorOf(focused) ? focused : nullptr;
        holdCoveredControls();
    }
    m_firstFocus->setFocus(Qt::OtherFocusReason);
}

void ModalPanel::close()
{
    if (!m_open)
        return;
    m_open = false;
    releaseCoveredControls();
    QWidget *focused = m_panel->window()->focusWidget();
    const bool focusInside = focused && m_panel->isAncestorOf(focused);
    if (focusInside && m_focusBefore && m_focusBefore->isVisibleTo(m_panel->window()) &&
        m_focusBefore->isEnabled())
        m_focusBefore->setFocus(Qt::PopupFocusReason);
    m_focusBefore = nullptr;
    // With the focus still inside (the control it came from is gone), Qt
    // moves it on to the next control as it hides the panel.
    m_panel->hide();
}

bool ModalPanel::moveFocus(bool next)
{
    if (!m_open)
        return false;
    QWidget *start = m_panel->window()->focusWidget();
    if (!start)
        start = m_panel;
    for (QWidget *control = start;;) {
        control = next ? control->nextInFocusChain() : control->previousInFocusChain();
        if (control == start)
            break;
        if (takesTabFocus(control)) {
            control->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            break;
        }
    }
    return true;
}

void ModalPanel::holdCoveredControls()
{
    QWidget *area = m_panel->parentWidget();
    for (QShortcut *key : area->findChildren<QShortcut *>()) {
        const auto *owner = qobject_cast<QWidget *>(key->parent());
        if (key->isEnabled() && owner && covers(owner)) {
            key->setEnabled(false);
            m_heldKeys.append(key);
        }
    }
    // A click goes to the topmost control under the pointer; on a covered
    // control's edge it goes through to the window, which takes no focus.
    for (QWidget *control : area->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (covers(control) && !control->testAttribute(Qt::WA_TransparentForMouseEvents)) {
            control->setAttribute(Qt::WA_TransparentForMouseEvents);
            m_heldFromClicks.append(control);
        }
    }
}

void ModalPanel::releaseCoveredControls()
{
    for (const QPointer<QShortcut> &key : std::as_const(m_heldKeys)) {
        if (key)
            key->setEnabled(true);
    }
    for (const QPointer<QWidget> &control : std::as_const(m_heldFromClicks)) {
        if (control)
            control->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    }
    m_heldKeys.clear();
    m_heldFromClicks.clear();
}

} // namespace widgets
