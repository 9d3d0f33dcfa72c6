// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer/ReviewTexts.h"

#include <QStringList>

namespace trainer {

QString shortTenseName(const QString &tenseCaption)
{
    static const QString indicative = QStringLiteral("Indikativ ");
    return tenseCaption.startsWith(indicative) ? tenseCaption.mid(indicative.size()) : tenseCaption;
}

namespace {

QString boardInWords(int position, int count, const review::CardKey &card, const char *pattern)
{
    return QString::fromUtf8(pattern)
        .arg(position + 1)
        .arg(count)
        .arg(card.verb, shortTenseName(card.tense));
}

} // namespace

QString reviewStatus(int position, int count, const review::CardKey &card, bool saved)
{
    return boardInWords(position, count, card,
                        saved ? "Review: board %1 of %2, %3, %4"
                              : "Review, not saved: board %1 of %2, %3, %4");
}

QString boardAnnouncement(int position, int count, const review::CardKey &card)
{
    return boardInWords(position, count, card, "Board %1 of %2: %3, %4");
}

QString gradeAnnouncement(review::Grade grade)
{
    return QStringLiteral("Graded %1.").arg(review::gradeName(grade));
}

QString sessionSummary(const QList<review::Grade> &grades)
{
    QStringList counts;
    for (review::Grade grade :
         {review::Grade::Easy, review::Grade::Good, review::Grade::Hard, review::Grade::Again}) {
        if (const auto count = grades.count(grade))
            counts.append(QStringLiteral("%1 %2").arg(count).arg(review::gradeName(grade)));
    }
    const QString boards = grades.size() == 1 ? QStringLiteral("1 board")
                                              : QStringLiteral("%1 boards").arg(grades.size());
    return counts.isEmpty() ? boards + QStringLiteral(" graded.")
                            : QStringLiteral("%1: %2.").arg(boards, counts.join(u", "));
}

QString reviewLeftByListChange()
{
    return QStringLiteral("Review left: you chose another verb or tense. Back to free practice.");
}

QString reviewLeft()
{
    return QStringLiteral("Review left. Back to free practice.");
}

QString reviewEndedByForgetting()
{
    return QStringLiteral("Review ended: all progress was forgotten. Back to free practice.");
}

QString reviewNeedsConsent()
{
    return QStringLiteral("No review: reviews keep your progress, and you chose not to keep it. "
                          "Nothing was written; free practice goes on.");
}

QString consentQuestion(const QString &folder)
{
    return QStringLiteral("Reviews keep your grades and when each verb and tense is due again, "
                          "in a file in this folder:\n\n%1\n\nKeep your progress there?")
        .arg(folder);
}

} // namespace trainer
