// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog/MessageBoxWindow.h"

#include "dialog/MessageDialogPlacement.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace dialog {

MessageBoxWindow::MessageBoxWindow(QWidget *owner) : QMessageBox(owner)
{
    setTextFormat(Qt::PlainText); // the text is shown as it is, never as markup
    connect(this, &QMessageBox::buttonClicked, this, [this](QAbstractButton *clicked) {
        for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it) {
            if (it.value() == clicked)
                m_result = buttonResult(it.key());
        }
    });
}

void MessageBoxWindow::setDialogButtons(MessageDialogButtons buttons)
{
    for (MessageDialogButton button : allMessageDialogButtons()) {
        if (!buttons.testFlag(button) || m_buttons.contains(button))
            continue;
        // One role for all keeps them in the order they are added.
        QPushButton *added = addButton(buttonCaption(button), QMessageBox::ActionRole);
        m_buttons.insert(button, added);
        m_order.append(button);
        if (button == mbHelp)
            keepOpenOnClick(added);
    }
}

void MessageBoxWindow::keepOpenOnClick(QPushButton *help)
{
    // Every button of the box's button row closes the box when clicked; the
    // help button's click is taken out of the row and asks for help instead.
    if (auto *row = findChild<QDialogButtonBox *>())
        disconnect(help, &QAbstractButton::clicked, row, nullptr);
    connect(help, &QAbstractButton::clicked, this, &MessageBoxWindow::helpRequested);
}

QPushButton *MessageBoxWindow::dialogButton(MessageDialogButton button) const
{
    return m_buttons.value(button, nullptr);
}

void MessageBoxWindow::setEscape(std::optional<MessageDialogButton> button)
{
    m_escape = button;
}

void MessageBoxWindow::setInhibitCancel(bool inhibit)
{
    m_inhibitCancel = inhibit;
    Qt::WindowFlags flags = windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (inhibit)
        flags &= ~(Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint);
    else
        flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    setWindowFlags(flags);
}

void MessageBoxWindow::setPlacement(MessageDialogAlign align, int offsetLeft, int offsetTop)
{
    m_align = align;
    m_offsetLeft = offsetLeft;
    m_offsetTop = offsetTop;
}

QPoint MessageBoxWindow::placedPosition() const
{
    const QWidget *owner = parentWidget();
    QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect screenArea = screen ? screen->availableGeometry() : QRect(0, 0, 640, 480);
    std::optional<QRect> ownerArea;
    if (owner)
        ownerArea = owner->window()->frameGeometry();
    return placeMessageBox(m_align, frameGeometry().size(), screenArea, ownerArea, m_offsetLeft,
                           m_offsetTop);
}

void MessageBoxWindow::showEvent(QShowEvent *event)
{
    QMessageBox::showEvent(event); // settles the box's size
    move(placedPosition());
}

void MessageBoxWindow::done(int code)
{
    // A button's click has already set the result; closing without one (the
    // title bar, a reject) is a cancel.
    if (m_result == mrNone) {
        if (m_inhibitCancel)
            return;
        m_result = mrCancel;
    }
    QMessageBox::done(code);
}

void MessageBoxWindow::closeEvent(QCloseEvent *event)
{
    if (m_inhibitCancel) {
        event->ignore();
        return;
    }
    // Closing by the title bar is a cancel, whichever button answers Esc
    // (the base message box would click that button).
    QDialog::closeEvent(event);
}

void MessageBoxWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        if (QPushButton *button = m_escape ? dialogButton(*m_escape) : nullptr)
            button->click();
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

} // namespace dialog
