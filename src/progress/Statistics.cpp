// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Statistics.h"

#include "ProgressStore.h"
#include "Statement.h"

#include <QMap>

#include <algorithm>

namespace progress {

Statistics::Statistics(ProgressStore &store, const QDateTime &now, const QTimeZone &zone)
    : store_(store), zone_(zone), today_(now.toTimeZone(zone).date())
{
}

// Counts the times the query returns into the days from first on; its parameters are the start
// of the first day and the end of the last. Times before the first day count on it. The days'
// boundaries are those of the learner's zone, summer time included.
QList<DayCount> Statistics::countByDay(const char *sql, const QDate &first, int days) const
{
    QList<qint64> ends; // the end of each day, in milliseconds since 1970
    QList<DayCount> counts;
    for (int i = 0; i < days; ++i) {
        counts.append({first.addDays(i), 0});
        ends << first.addDays(i + 1).startOfDay(zone_).toMSecsSinceEpoch();
    }
    if (!store_.isOpen() || days <= 0)
        return counts;
    Statement query(store_.connection(), sql);
    query.bind(1, first.startOfDay(zone_)).bind(2, ends.back());
    while (query.next()) {
        const auto day = std::upper_bound(ends.cbegin(), ends.cend(), query.integer(0));
        if (day != ends.cend())
            ++counts[day - ends.cbegin()].count;
    }
    return counts;
}

QList<DayCount> Statistics::reviewsPerDay(int days) const
{
    return countByDay("SELECT reviewed_at FROM reviews WHERE reviewed_at >= ?1 AND "
                      "reviewed_at < ?2",
                      today_.addDays(1 - days), days);
}

QList<DayCount> Statistics::cardsDue(int daysAhead) const
{
    return countByDay("SELECT due FROM cards WHERE due < ?2", today_, daysAhead + 1);
}

QList<FirstTestShare> Statistics::sharesBy(const char *sql) const
{
    QList<FirstTestShare> shares;
    if (!store_.isOpen())
        return shares;
    Statement query(store_.connection(), sql);
    while (query.next())
        shares.append({query.text(0), int(query.integer(1)), int(query.integer(2))});
    return shares;
}

QList<FirstTestShare> Statistics::firstTestShareByTense() const
{
    return sharesBy("SELECT tense, COUNT(*), SUM(grade >= 3) FROM reviews GROUP BY tense "
                    "ORDER BY tense");
}

QList<FirstTestShare>
Statistics::firstTestShareByVerbType(const QHash<QString, QString> &typeOfVerb) const
{
    QMap<QString, FirstTestShare> byType;
    for (const FirstTestShare &verb :
         sharesBy("SELECT verb, COUNT(*), SUM(grade >= 3) FROM reviews GROUP BY verb")) {
        const auto type = typeOfVerb.constFind(verb.group);
        if (type == typeOfVerb.cend())
            continue;
        FirstTestShare &share = byType[*type];
        share.group = *type;
        share.reviewed += verb.reviewed;
        share.rightFirstTime += verb.rightFirstTime;
    }
    return byType.values();
}

QList<VerbCount> Statistics::mostOftenAgain(int limit) const
{
    QList<VerbCount> verbs;
    if (!store_.isOpen())
        return verbs;
    Statement query(store_.connection(),
                    "SELECT verb, COUNT(*) AS again FROM reviews WHERE grade = 1 GROUP BY verb "
                    "ORDER BY again DESC, verb LIMIT ?1");
    query.bind(1, qint64(limit));
    while (query.next())
        verbs.append({query.text(0), int(query.integer(1))});
    return verbs;
}

} // namespace progress
