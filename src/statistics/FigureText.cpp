// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statistics/FigureText.h"

#include <QLocale>

#include <cmath>

namespace statistics {

namespace {

const QLocale &english()
{
    static const QLocale locale(QLocale::English, QLocale::UnitedKingdom);
    return locale;
}

QList<ChartValue> dayColumns(const QList<progress::DayCount> &days,
                             const std::function<QString(int, const QDate &)> &label)
{
    QList<ChartValue> columns;
    for (qsizetype i = 0; i < days.size(); ++i)
        columns.append({label(int(i), days[i].day), double(days[i].count), {}});
    return columns;
}

} // namespace

QList<ChartValue> reviewDayColumns(const QList<progress::DayCount> &days)
{
    return dayColumns(days, [](int, const QDate &day) {
        return english().toString(day, QStringLiteral("d MMM"));
    });
}

QList<ChartValue> dueDayColumns(const QList<progress::DayCount> &days)
{
    return dayColumns(days, [](int i, const QDate &day) {
        return i == 0 ? QStringLiteral("Today") : english().toString(day, QStringLiteral("ddd"));
    });
}

QString dueSummary(const QList<progress::DayCount> &days)
{
    int later = 0;
    for (qsizetype i = 1; i < days.size(); ++i)
        later += days[i].count;
    return QStringLiteral("Due today: %1. Due in the next %2 days: %3.")
        .arg(days.isEmpty() ? 0 : days.front().count)
        .arg(std::max<qsizetype>(days.size() - 1, 0))
        .arg(later);
}

QList<ChartValue> shareRows(const QList<progress::FirstTestShare> &shares)
{
    QList<ChartValue> rows;
    for (const progress::FirstTestShare &share : shares)
        rows.append({share.group, share.share(),
                     QStringLiteral("%1 % (%2 of %3)")
                         .arg(std::lround(100 * share.share()))
                         .arg(share.rightFirstTime)
                         .arg(share.reviewed)});
    return rows;
}

QStringList againLines(const QList<progress::VerbCount> &verbs)
{
    QStringList lines;
    for (const progress::VerbCount &verb : verbs)
        lines << QStringLiteral("%1: graded Again %2 %3")
                     .arg(verb.verb)
                     .arg(verb.count)
                     .arg(verb.count == 1 ? QStringLiteral("time") : QStringLiteral("times"));
    return lines;
}

QHash<QString, QString> verbTypeNames(const QList<review::OfferedVerb> &verbs)
{
    QHash<QString, QString> names;
    for (const review::OfferedVerb &verb : verbs) {
        if (!verb.type)
            continue;
        QString word = review::verbTypeWords()[size_t(*verb.type)];
        word[0] = word[0].toUpper();
        names.insert(verb.name, word);
    }
    return names;
}

} // namespace statistics
