// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The scheduler where its reference has no answer: a stored state it cannot work from, and a
// clock set back.
#include "review/Fsrs.h"

#include <gtest/gtest.h>

using namespace review;

TEST(Fsrs, DamagedMemoryStartsAgainAndAClockSetBackIsTheSameDay)
{
    const Fsrs fsrs;
    const QDateTime now(QDate(2024, 5, 10), QTime(12, 0), Qt::UTC);
    const auto memory = [](const CardState &c) {
        return std::tuple(c.stability, c.difficulty, c.due, c.reps, c.lapses);
    };
    CardState fresh = fsrs.review(CardState{}, Grade::Good, now);
    fresh.reps = 5; // the damaged cards' counts are kept
    fresh.lapses = 1;
    for (const CardState &damaged : {CardState{CardPhase::Review, 0, 5, now, now.addDays(-3), 4, 1},
                                     CardState{CardPhase::Review, 3, qQNaN(), now, now, 4, 1},
                                     CardState{CardPhase::Relearning, 3, 11, now, now, 4, 1},
                                     CardState{CardPhase::Review, 3, 5, now, QDateTime(), 4, 1}}) {
        EXPECT_EQ(memory(fsrs.review(damaged, Grade::Good, now)), memory(fresh));
        EXPECT_EQ(fsrs.retrievability(damaged, now), 0);
    }
    const CardState once = fsrs.review(CardState{}, Grade::Hard, now);
    const CardState back = fsrs.review(once, Grade::Good, now.addDays(-2));
    const CardState sameDay = fsrs.review(once, Grade::Good, now.addSecs(60));
    EXPECT_EQ(std::tuple(back.stability, back.difficulty),
              std::tuple(sameDay.stability, sameDay.difficulty));
    EXPECT_EQ(fsrs.retrievability(once, now.addDays(-2)), 1);
}
