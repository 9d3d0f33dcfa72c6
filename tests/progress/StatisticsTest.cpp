// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress/Statistics.h"
#include "progress/ProgressStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using progress::DayCount;
using progress::FirstTestShare;
using progress::VerbCount;
using review::Grade;

namespace {

const QTimeZone Zone(3600); // the learner's, one hour east of UTC

// "MM-dd HH:mm" of 2026 on the learner's clock.
QDateTime local(const char *time)
{
    QDateTime t = QDateTime::fromString(QStringLiteral("2026-") + QLatin1String(time),
                                        QStringLiteral("yyyy-MM-dd HH:mm"));
    t.setTimeZone(Zone);
    return t.toUTC();
}

struct Row {
    const char *verb;
    const char *tense;
    Grade grade;
    const char *reviewed;
    const char *due; // the card's due date after this grade; the last one counts
};

// Today is 11-05; the 30 days start on 10-07.
const Row Log[] = {
    {"sprechen", "Präsens", Grade::Again, "07-28 09:00", "08-01 09:00"},
    {"sprechen", "Präsens", Grade::Good, "11-05 00:30", "11-02 08:00"},     // overdue
    {"sprechen", "Präteritum", Grade::Again, "11-04 23:59", "11-05 23:59"}, // due today
    {"gehen", "Präsens", Grade::Again, "10-06 23:59", "10-10 10:00"},       // before the 30 days
    {"gehen", "Präsens", Grade::Easy, "10-07 00:00", "11-06 00:00"},        // due tomorrow
    {"können", "Präteritum", Grade::Hard, "11-05 11:00", "11-12 23:59"},    // in 7 days
    {"lesen", "Präsens", Grade::Again, "11-05 11:30", "11-13 00:00"},       // in 8 days
};

TEST(Statistics, KnownAnswersOnASmallLog)
{
    QTemporaryDir folder;
    progress::ProgressStore store(folder.path());
    ASSERT_TRUE(store.create().isReady());
    for (const Row &row : Log) {
        review::CardState state;
        state.phase = review::CardPhase::Review;
        state.due = local(row.due);
        store.recordGrade({{QString::fromUtf8(row.verb), QString::fromUtf8(row.tense)},
                           row.grade,
                           local(row.reviewed),
                           1000,
                           {}},
                          state);
    }
    const progress::Statistics statistics(store, local("11-05 12:00"), Zone);

    const QList<DayCount> perDay = statistics.reviewsPerDay();
    ASSERT_EQ(perDay.size(), 30);
    EXPECT_EQ(perDay.front(), (DayCount{QDate(2026, 10, 7), 1}));
    EXPECT_EQ(perDay[28], (DayCount{QDate(2026, 11, 4), 1}));
    EXPECT_EQ(perDay.back(), (DayCount{QDate(2026, 11, 5), 3}));
    const auto counts = [](const QList<DayCount> &days) {
        QList<int> counts;
        for (const DayCount &day : days)
            counts << day.count;
        return counts;
    };
    EXPECT_EQ(counts(perDay).count(0), 27); // zeros for the days without reviews
    EXPECT_EQ(counts(statistics.cardsDue()), (QList<int>{2, 1, 0, 0, 0, 0, 0, 1}));

    EXPECT_EQ(statistics.firstTestShareByTense(),
              (QList<FirstTestShare>{{QStringLiteral("Präsens"), 5, 2},
                                     {QStringLiteral("Präteritum"), 2, 0}}));
    const QHash<QString, QString> types = {{QStringLiteral("sprechen"), QStringLiteral("strong")},
                                           {QStringLiteral("gehen"), QStringLiteral("strong")},
                                           {QStringLiteral("können"), QStringLiteral("modal")}};
    EXPECT_EQ(
        statistics.firstTestShareByVerbType(types),
        (QList<FirstTestShare>{{QStringLiteral("modal"), 1, 0}, {QStringLiteral("strong"), 5, 2}}));
    EXPECT_EQ(statistics.mostOftenAgain(2),
              (QList<VerbCount>{{QStringLiteral("sprechen"), 2}, {QStringLiteral("gehen"), 1}}));
}

} // namespace
