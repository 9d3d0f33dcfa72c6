// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The scheduler where its reference has no answer: a stored state it cannot work from, and a
// clock set back.
#include "review/Fsrs.h"

#include <gtest/gtest.h>

using namespace review;

namespace {
const QDateTime Now(QDate(2024, 5, 10), QTime(12, 0), Qt::UTC);
}

TEST(Fsrs, DamagedMemoryStartsAgainKeepingTheCounts)
{
    const Fsrs fsrs;
    const CardState fresh = fsrs.review(CardState{}, Grade::Good, Now);
    const struct {
        const char *name;
        CardState state;
    } cases[] = {
        {"stability zero", {CardPhase::Review, 0, 5, Now, Now.addDays(-3), 4, 1}},
        {"difficulty not a number", {CardPhase::Review, 3, qQNaN(), Now, Now.addDays(-3), 4, 1}},
        {"difficulty above 10", {CardPhase::Relearning, 3, 11, Now, Now.addDays(-3), 4, 1}},
        {"no last review", {CardPhase::Review, 3, 5, Now, QDateTime(), 4, 1}},
    };
    for (const auto &c : cases) {
        const CardState next = fsrs.review(c.state, Grade::Good, Now);
        EXPECT_EQ(next.stability, fresh.stability) << c.name;
        EXPECT_EQ(next.difficulty, fresh.difficulty) << c.name;
        EXPECT_EQ(next.due, fresh.due) << c.name;
        EXPECT_EQ(next.reps, 5) << c.name;
        EXPECT_EQ(next.lapses, 1) << c.name;
        EXPECT_EQ(fsrs.retrievability(c.state, Now), 0) << c.name;
    }
}

TEST(Fsrs, AReviewDatedBeforeTheLastCountsAsTheSameDay)
{
    const Fsrs fsrs;
    const CardState once = fsrs.review(CardState{}, Grade::Hard, Now);
    const CardState back = fsrs.review(once, Grade::Good, Now.addDays(-2));
    const CardState sameDay = fsrs.review(once, Grade::Good, Now.addSecs(60));
    EXPECT_EQ(back.stability, sameDay.stability);
    EXPECT_EQ(back.difficulty, sameDay.difficulty);
    EXPECT_EQ(fsrs.retrievability(once, Now.addDays(-2)), 1);
}
