// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QTimeZone>

namespace progress {

class ProgressStore;

struct DayCount {
    QDate day; // a calendar day in the learner's time zone
    int count = 0;

    friend bool operator==(const DayCount &, const DayCount &) = default;
};

// How often a group of boards was right at the first test (graded Good or Easy).
struct FirstTestShare {
    QString group; // a tense's caption or a verb type
    int reviewed = 0;
    int rightFirstTime = 0;

    double share() const { return reviewed ? double(rightFirstTime) / reviewed : 0.0; }
    friend bool operator==(const FirstTestShare &, const FirstTestShare &) = default;
};

struct VerbCount {
    QString verb;
    int count = 0;

    friend bool operator==(const VerbCount &, const VerbCount &) = default;
};

// The figures of the statistics view, read from the store as it is "now" for a learner in the
// given time zone, whose calendar days they count. Nothing here writes.
class Statistics {
public:
    Statistics(ProgressStore &store, const QDateTime &now, const QTimeZone &zone);

    // Boards reviewed on each of the last 30 days, oldest first, today last; zero for a day
    // without reviews.
    QList<DayCount> reviewsPerDay(int days = 30) const;
    // Cards due today (overdue ones included) and on each of the next 7 days: 8 entries.
    QList<DayCount> cardsDue(int daysAhead = 7) const;
    // Over the whole log, by tense caption (in alphabetical order).
    QList<FirstTestShare> firstTestShareByTense() const;
    // Over the whole log, by verb type as the caller's map gives it (the log knows verbs only by
    // name); verbs missing from the map (gone from the verb file) are left out.
    QList<FirstTestShare> firstTestShareByVerbType(const QHash<QString, QString> &typeOfVerb) const;
    // The verbs most often graded Again, most first, ties in alphabetical order.
    QList<VerbCount> mostOftenAgain(int limit = 10) const;

private:
    QList<DayCount> countByDay(const char *sql, const QDate &first, int days) const;
    QList<FirstTestShare> sharesBy(const char *sql) const;

    ProgressStore &store_;
    QTimeZone zone_;
    QDate today_;
};

} // namespace progress
