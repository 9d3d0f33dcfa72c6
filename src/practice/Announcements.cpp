// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/Announcements.h"

#include <QStringList>

namespace practice {

QString revealedLettersAnnouncement(const QString &letters)
{
    QStringList spelled;
    for (const QChar letter : letters)
        spelled.append(letter.isSpace() ? QStringLiteral("space") : QString(letter));
    return QStringLiteral("Letters: ") + spelled.join(u' ');
}

QString boxTextAnnouncement(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("empty") : text;
}

QString inBoxAnnouncement(const QString &announcement, const QString &boxName)
{
    return announcement + QStringLiteral(", in ") + boxName;
}

} // namespace practice
