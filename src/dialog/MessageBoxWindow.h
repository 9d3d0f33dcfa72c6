// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialog/MessageDialogRules.h"

#include <QMap>
#include <QMessageBox>

#include <optional>

namespace dialog {

// The message box a MessageDialog shows: the toolkit's message box with the
// dialog's buttons in their fixed order, its Esc button (or none), its
// placement, and the modal result of the button that closed it. Closing by the
// title bar gives mrCancel; with cancel inhibited the box has no close box,
// ignores Esc and refuses every way of closing that would give mrCancel.
// The help button does not close the box; it raises helpRequested.
class MessageBoxWindow : public QMessageBox {
    Q_OBJECT
public:
    explicit MessageBoxWindow(QWidget *owner);

    // Adds the buttons of `buttons` in box order.
    void setDialogButtons(MessageDialogButtons buttons);
    QList<MessageDialogButton> dialogButtons() const { return m_order; }
    QPushButton *dialogButton(MessageDialogButton button) const;

    void setEscape(std::optional<MessageDialogButton> button);
    std::optional<MessageDialogButton> escape() const { return m_escape; }
    void setInhibitCancel(bool inhibit);
    bool inhibitsCancel() const { return m_inhibitCancel; }
    void setPlacement(MessageDialogAlign align, int offsetLeft, int offsetTop);

    // Where the box goes when shown at its current size.
    QPoint placedPosition() const;

    // The result of the button that closed the box (mrNone while open).
    ModalResult modalResult() const { return m_result; }

signals:
    void helpRequested();

public slots:
    void done(int code) override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void keepOpenOnClick(QPushButton *help);

    QMap<MessageDialogButton, QPushButton *> m_buttons;
    QList<MessageDialogButton> m_order;
    std::optional<MessageDialogButton> m_escape;
    bool m_inhibitCancel = false;
    MessageDialogAlign m_align = MessageDialogAlign::mdaScreenCentre;
    int m_offsetLeft = 0;
    int m_offsetTop = 0;
    ModalResult m_result = mrNone;
};

} // namespace dialog
