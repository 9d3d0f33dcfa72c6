// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "review/Card.h"

#include <QString>

namespace progresstest {

// The review the driver records, one board after another, and the kill test expects: board n of
// a script named label. Fifteen cards come round again and again.
inline review::ReviewEntry scriptedBoard(const QString &label, int n)
{
    static const char *const verbs[] = {"sprechen", "sich ärgern", "abbauen", "Rad fahren", "sein"};
    static const char *const tenses[] = {"Indikativ Präsens", "Indikativ Perfekt",
                                         "Konjunktiv II Präteritum"};
    const QDateTime start(QDate(2026, 12, 1), QTime(8, 0), Qt::UTC);
    const auto grade = review::Grade(1 + n % 4);
    return {{QString::fromUtf8(verbs[n % 5]) + QLatin1Char(' ') + label,
             QString::fromUtf8(tenses[n % 3])},
            grade,
            start.addSecs(n),
            1000 + n,
            grade == review::Grade::Again ? QList<int>{1 + n % 36} : QList<int>{}};
}

// The card's state after one more board, as the driver writes it.
inline review::CardState stateAfter(review::CardState state, const review::ReviewEntry &board)
{
    state.phase = review::CardPhase::Review;
    state.reps += 1;
    state.lapses += board.grade == review::Grade::Again ? 1 : 0;
    state.lastReview = board.reviewedAt;
    state.due = board.reviewedAt.addDays(state.reps);
    state.stability = 1.5 * state.reps;
    state.difficulty = 5.0;
    return state;
}

} // namespace progresstest
