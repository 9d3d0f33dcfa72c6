// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReviewLogCsv.h"

#include <QSaveFile>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace progress {

QString gradeWord(review::Grade grade)
{
    return review::gradeName(grade);
}

QString csvField(const QString &text)
{
    QString field = text;
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!field.isEmpty() && formulaStarts.contains(field.front()))
        field.prepend(QLatin1Char('\''));
    static const QString needQuotes = QStringLiteral(",\"\r\n");
    if (std::any_of(field.cbegin(), field.cend(), [](QChar c) { return needQuotes.contains(c); })) {
        field.replace(QLatin1String("\""), QLatin1String("\"\""));
        field = QLatin1Char('"') + field + QLatin1Char('"');
    }
    return field;
}

QByteArray reviewLogCsv(const QList<review::ReviewEntry> &entries, const QTimeZone &zone)
{
    QString text = QStringLiteral("Date and time,Verb,Tense,Grade,Seconds,Boxes wrong\r\n");
    for (const review::ReviewEntry &entry : entries) {
        const QStringList fields = {
            entry.reviewedAt.toTimeZone(zone).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
            csvField(entry.card.verb),
            csvField(entry.card.tense),
            gradeWord(entry.grade),
            QString::number(std::llround(double(entry.durationMs) / 1000.0)),
            QString::number(entry.wrongBoxes.size()),
        };
        text += fields.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

bool writeReviewLogCsv(const QString &path, const QByteArray &csv, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace progress
