// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog/MessageDialog.h"

#include "dialog/MessageBoxWindow.h"

#include <QApplication>
#include <QIcon>
#include <QPushButton>
#include <QStyle>
#include <QWidget>

#if defined(Q_OS_WIN)
#include <qt_windows.h>
#endif

namespace dialog {

namespace {

constexpr int IconSize = 32;

QIcon iconFor(MessageIcon icon, const QString &iconResource, const QStyle *style)
{
    switch (icon) {
    case MessageIcon::Custom:
        return iconResource.isEmpty() ? QApplication::windowIcon() : QIcon(iconResource);
    case MessageIcon::Application:
        return QApplication::windowIcon().isNull()
                   ? style->standardIcon(QStyle::SP_TitleBarMenuButton)
                   : QApplication::windowIcon();
    case MessageIcon::Logo:
        return style->standardIcon(QStyle::SP_ComputerIcon);
    default:
        return {};
    }
}

QMessageBox::Icon standardIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

MessageDialogBase::MessageDialogBase(QObject *owner) : QObject(owner) {}

int MessageDialogBase::execute()
{
    if (m_makeSound)
        playSound(kindSound(m_kind));
    return showModalBox();
}

void MessageDialogBase::playSound(MessageSound sound)
{
#if defined(Q_OS_WIN)
    // The sound Windows plays with a message box of the kind, as the learner has set it.
    switch (sound) {
    case MessageSound::Exclamation:
        MessageBeep(MB_ICONEXCLAMATION);
        break;
    case MessageSound::Asterisk:
        MessageBeep(MB_ICONASTERISK);
        break;
    case MessageSound::Question:
        MessageBeep(MB_ICONQUESTION);
        break;
    case MessageSound::Hand:
        MessageBeep(MB_ICONHAND);
        break;
    case MessageSound::Beep:
        MessageBeep(MB_OK);
        break;
    }
#else
    Q_UNUSED(sound);
    QApplication::beep();
#endif
}

MessageDialog::MessageDialog(QObject *owner) : MessageDialogBase(owner) {}

void MessageDialog::setButtons(MessageDialogButtons buttons)
{
    m_buttons = buttons;
    m_buttonGroup = groupOfButtons(buttons);
}

void MessageDialog::setButtonGroup(MessageDialogButtonGroup group)
{
    m_buttonGroup = group;
    m_buttons = buttonsOfGroup(group);
}

QWidget *MessageDialog::ownerWindow() const
{
    auto *owner = qobject_cast<QWidget *>(parent());
    return owner ? owner->window() : nullptr;
}

QString MessageDialog::effectiveHelpFile() const
{
    if (!helpFile().isEmpty())
        return helpFile();
    const QWidget *owner = ownerWindow();
    return owner ? owner->property("helpFile").toString() : QString();
}

std::unique_ptr<MessageBoxWindow> MessageDialog::createBox()
{
    auto box = std::make_unique<MessageBoxWindow>(ownerWindow());
    const MessageDialogButtons shown = shownButtons(m_buttons, m_options, helpContext());
    box->setDialogButtons(shown);
    box->setText(boxText(text()));

    const MessageIcon icon = kindIcon(kind(), m_options);
    const QIcon replacement = iconFor(icon, iconResource(), box->style());
    if (icon == MessageIcon::Custom || icon == MessageIcon::Application ||
        icon == MessageIcon::Logo) {
        box->setIcon(QMessageBox::Information);
        if (!replacement.isNull())
            box->setIconPixmap(replacement.pixmap(IconSize, IconSize));
    } else {
        box->setIcon(standardIcon(icon));
    }
    box->setWindowTitle(boxCaption(title(), kind(), QGuiApplication::applicationDisplayName()));

    box->setPlacement(m_align, m_offsetLeft, m_offsetTop);
    box->setEscape(escapeButton(shown, m_options));
    box->setInhibitCancel(m_options.testFlag(mdoInhibitCancel));

    std::optional<MessageDialogButton> defaultButton = toolkitDefaultButton(shown);
    if (m_buttons.testFlag(m_defButton) && box->dialogButton(m_defButton))
        defaultButton = m_defButton;
    if (defaultButton) {
        QPushButton *button = box->dialogButton(*defaultButton);
        box->setDefaultButton(button);
        button->setFocus();
    }

    const QString file = effectiveHelpFile();
    const int context = helpContext();
    connect(box.get(), &MessageBoxWindow::helpRequested, this,
            [this, file, context] { emit helpRequested(file, context); });
    return box;
}

int MessageDialog::showModalBox()
{
    const std::unique_ptr<MessageBoxWindow> box = createBox();
    emit aboutToShow(box.get());
    return runModal(*box);
}

int MessageDialog::runModal(MessageBoxWindow &box)
{
    box.exec();
    return box.modalResult();
}

} // namespace dialog
