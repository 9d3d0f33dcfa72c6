// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFlags>
#include <QList>
#include <QString>

#include <optional>

namespace dialog {

enum class MessageDialogKind {
    mkWarning,
    mkInformation,
    mkQuery,
    mkError,
    mkUser,
    mkApplication,
    mkWinLogo,
};

// The buttons, in the order they appear in the box.
enum MessageDialogButton {
    mbYes = 0x001,
    mbNo = 0x002,
    mbOK = 0x004,
    mbCancel = 0x008,
    mbAbort = 0x010,
    mbRetry = 0x020,
    mbIgnore = 0x040,
    mbAll = 0x080,
    mbNoToAll = 0x100,
    mbYesToAll = 0x200,
    mbHelp = 0x400,
};
Q_DECLARE_FLAGS(MessageDialogButtons, MessageDialogButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(MessageDialogButtons)

enum class MessageDialogButtonGroup {
    bgAbortRetryIgnore,
    bgOK,
    bgOKCancel,
    bgRetryCancel,
    bgYesNo,
    bgYesNoCancel,
    bgUnknown,
};

enum MessageDialogOption {
    mdoInhibitCancel = 0x1,
    mdoAutoHelpBtn = 0x2,
    mdoShowCustomIcon = 0x4,
};
Q_DECLARE_FLAGS(MessageDialogOptions, MessageDialogOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(MessageDialogOptions)

enum class MessageDialogAlign { mdaScreenCentre, mdaScreenOffset, mdaFormCentre, mdaFormOffset };

// What `execute` returns: the result of the button that closed the box.
enum ModalResult {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10,
};

enum class MessageSound { Exclamation, Asterisk, Question, Hand, Beep };
enum class MessageIcon { None, Warning, Information, Question, Error, Custom, Application, Logo };

// Every button value, in box order.
QList<MessageDialogButton> allMessageDialogButtons();

QString buttonCaption(MessageDialogButton button);
ModalResult buttonResult(MessageDialogButton button); // mrNone for mbHelp: it does not close

MessageDialogButtons buttonsOfGroup(MessageDialogButtonGroup group);
MessageDialogButtonGroup groupOfButtons(MessageDialogButtons buttons);

// The buttons the box shows, from the buttons as set.
MessageDialogButtons shownButtons(MessageDialogButtons buttons, MessageDialogOptions options,
                                  int helpContext);
// The toolkit's rules: OK, else Yes, else Retry is the default; Cancel, else
// No, else OK answers Esc.
std::optional<MessageDialogButton> toolkitDefaultButton(MessageDialogButtons shown);
std::optional<MessageDialogButton> escapeButton(MessageDialogButtons shown,
                                                MessageDialogOptions options);

// The kind's own title; empty for the kinds that use the application's title.
QString kindTitle(MessageDialogKind kind);
// The box's caption: the title as set, else the kind's title, else the application's.
QString boxCaption(const QString &title, MessageDialogKind kind, const QString &applicationTitle);
MessageSound kindSound(MessageDialogKind kind);
MessageIcon kindIcon(MessageDialogKind kind, MessageDialogOptions options);

// The text as the box shows it: CR LF (and a lone CR) become line breaks.
QString boxText(const QString &text);

} // namespace dialog
