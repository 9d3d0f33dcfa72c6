// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog/MessageDialogRules.h"

namespace dialog {

QList<MessageDialogButton> allMessageDialogButtons()
{
    return {mbYes,    mbNo,  mbOK,      mbCancel,   mbAbort, mbRetry,
            mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp};
}

QString buttonCaption(MessageDialogButton button)
{
    switch (button) {
    case mbYes:
        return QStringLiteral("&Yes");
    case mbNo:
        return QStringLiteral("&No");
    case mbOK:
        return QStringLiteral("OK");
    case mbCancel:
        return QStringLiteral("Cancel");
    case mbAbort:
        return QStringLiteral("&Abort");
    case mbRetry:
        return QStringLiteral("&Retry");
    case mbIgnore:
        return QStringLiteral("&Ignore");
    case mbAll:
        return QStringLiteral("&All");
    case mbNoToAll:
        return QStringLiteral("N&o to All");
    case mbYesToAll:
        return QStringLiteral("Yes to &All");
    case mbHelp:
        return QStringLiteral("&Help");
    }
    return {};
}

ModalResult buttonResult(MessageDialogButton button)
{
    switch (button) {
    case mbYes:
        return mrYes;
    case mbNo:
        return mrNo;
    case mbOK:
        return mrOk;
    case mbCancel:
        return mrCancel;
    case mbAbort:
        return mrAbort;
    case mbRetry:
        return mrRetry;
    case mbIgnore:
        return mrIgnore;
    case mbAll:
        return mrAll;
    case mbNoToAll:
        return mrNoToAll;
    case mbYesToAll:
        return mrYesToAll;
    case mbHelp:
        return mrNone;
    }
    return mrNone;
}

MessageDialogButtons buttonsOfGroup(MessageDialogButtonGroup group)
{
    using G = MessageDialogButtonGroup;
    switch (group) {
    case G::bgAbortRetryIgnore:
        return mbAbort | mbRetry | mbIgnore;
    case G::bgOK:
        return mbOK;
    case G::bgOKCancel:
        return mbOK | mbCancel;
    case G::bgRetryCancel:
        return mbCancel | mbRetry;
    case G::bgYesNo:
        return mbYes | mbNo;
    case G::bgYesNoCancel:
        return mbYes | mbNo | mbCancel;
    case G::bgUnknown:
        break;
    }
    return {};
}

MessageDialogButtonGroup groupOfButtons(MessageDialogButtons buttons)
{
    using G = MessageDialogButtonGroup;
    for (G group : {G::bgAbortRetryIgnore, G::bgOK, G::bgOKCancel, G::bgRetryCancel, G::bgYesNo,
                    G::bgYesNoCancel}) {
        if (buttonsOfGroup(group) == buttons)
            return group;
    }
    return G::bgUnknown;
}

MessageDialogButtons shownButtons(MessageDialogButtons buttons, MessageDialogOptions options,
                                  int helpContext)
{
    if (options.testFlag(mdoInhibitCancel))
        buttons &= ~MessageDialogButtons(mbCancel);
    if (options.testFlag(mdoAutoHelpBtn)) {
        if (helpContext != 0)
            buttons |= mbHelp;
        else
            buttons &= ~MessageDialogButtons(mbHelp);
    }
    if (buttons == MessageDialogButtons() || buttons == MessageDialogButtons(mbHelp))
        buttons |= mbOK;
    return buttons;
}

std::optional<MessageDialogButton> toolkitDefaultButton(MessageDialogButtons shown)
{
    for (MessageDialogButton candidate : {mbOK, mbYes, mbRetry}) {
        if (shown.testFlag(candidate))
            return candidate;
    }
    return std::nullopt;
}

std::optional<MessageDialogButton> escapeButton(MessageDialogButtons shown,
                                                MessageDialogOptions options)
{
    if (options.testFlag(mdoInhibitCancel))
        return std::nullopt;
    for (MessageDialogButton candidate : {mbCancel, mbNo, mbOK}) {
        if (shown.testFlag(candidate))
            return candidate;
    }
    return std::nullopt;
}

QString kindTitle(MessageDialogKind kind)
{
    using K = MessageDialogKind;
    switch (kind) {
    case K::mkWarning:
        return QStringLiteral("Warning");
    case K::mkInformation:
        return QStringLiteral("Information");
    case K::mkQuery:
        return QStringLiteral("Confirm");
    case K::mkError:
        return QStringLiteral("Error");
    case K::mkUser:
    case K::mkApplication:
    case K::mkWinLogo:
        break;
    }
    return {};
}

QString boxCaption(const QString &title, MessageDialogKind kind, const QString &applicationTitle)
{
    if (!title.isEmpty())
        return title;
    const QString ofKind = kindTitle(kind);
    return ofKind.isEmpty() ? applicationTitle : ofKind;
}

MessageSound kindSound(MessageDialogKind kind)
{
    using K = MessageDialogKind;
    switch (kind) {
    case K::mkWarning:
        return MessageSound::Exclamation;
    case K::mkInformation:
        return MessageSound::Asterisk;
    case K::mkQuery:
        return MessageSound::Question;
    case K::mkError:
        return MessageSound::Hand;
    case K::mkUser:
    case K::mkApplication:
    case K::mkWinLogo:
        break;
    }
    return MessageSound::Beep;
}

MessageIcon kindIcon(MessageDialogKind kind, MessageDialogOptions options)
{
    using K = MessageDialogKind;
    switch (kind) {
    case K::mkWarning:
        return MessageIcon::Warning;
    case K::mkInformation:
        return MessageIcon::Information;
    case K::mkQuery:
        return MessageIcon::Question;
    case K::mkError:
        return MessageIcon::Error;
    case K::mkUser:
        return options.testFlag(mdoShowCustomIcon) ? MessageIcon::Custom : MessageIcon::None;
    case K::mkApplication:
        return MessageIcon::Application;
    case K::mkWinLogo:
        return MessageIcon::Logo;
    }
    return MessageIcon::None;
}

QString boxText(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace dialog
