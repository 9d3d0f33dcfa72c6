// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "progress/ProgressStore.h"

#include <QHash>

namespace statisticstest {

// A learner's last month, ending `now`: some days without reviews, the rest with a few boards
// each, hard verbs graded Again more often. Returns how many boards were recorded each day,
// oldest (29 days ago) first.
inline QList<int> recordMonthOfReviews(progress::ProgressStore &store, const QDateTime &now)
{
    static const char *const verbs[] = {"sein",   "haben",    "werden",     "können",
                                        "gehen",  "sprechen", "abbauen",    "sich ärgern",
                                        "fahren", "denken",   "Rad fahren", "lesen"};
    static const char *const tenses[] = {"Indikativ Präsens", "Indikativ Präteritum",
                                         "Indikativ Perfekt", "Konjunktiv II Präteritum",
                                         "Imperativ"};
    QList<int> perDay;
    int n = 0;
    for (int daysAgo = 29; daysAgo >= 0; --daysAgo) {
        const int boards = daysAgo % 6 == 5 ? 0 : 3 + (daysAgo * 7) % 9;
        perDay << boards;
        for (int i = 0; i < boards; ++i, ++n) {
            const QDateTime at = now.addDays(-daysAgo).addSecs(-60 * (boards - i));
            const int verb = (n * 5) % 12;
            // The verbs late in the list are the learner's trouble.
            const int grade = (n + verb) % 11 < verb / 2 ? 1 : 2 + (n / 3 + verb) % 3;
            review::CardState state;
            state.phase = review::CardPhase::Review;
            state.reps = 1;
            state.lastReview = at.toUTC();
            state.due = at.toUTC().addDays(1 + n % 12);
            store.recordGrade({{QString::fromUtf8(verbs[verb]), QString::fromUtf8(tenses[n % 5])},
                               review::Grade(grade),
                               at.toUTC(),
                               8000 + 500 * (n % 7),
                               grade == 1 ? QList<int>{1 + n % 36} : QList<int>{}},
                              state);
        }
    }
    return perDay;
}

// The verbs' types as the verb file would give them.
inline QHash<QString, QString> monthVerbTypes()
{
    return {{"sein", "Irregular"}, {"haben", "Irregular"},   {"werden", "Irregular"},
            {"können", "Modal"},   {"gehen", "Strong"},      {"sprechen", "Strong"},
            {"abbauen", "Weak"},   {"sich ärgern", "Weak"},  {"fahren", "Strong"},
            {"denken", "Mixed"},   {"Rad fahren", "Strong"}, {"lesen", "Strong"}};
}

} // namespace statisticstest
