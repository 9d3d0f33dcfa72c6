// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The grade a board earns from the learner's work on it.
#include "review/BoardGrade.h"

#include <gtest/gtest.h>

using review::BoardWork;
using review::Grade;

TEST(GradeBoard, FromTheLearnersWork)
{
    const struct {
        const char *name;
        BoardWork work;
        Grade grade;
    } cases[] = {
        {"untouched, moved on", {.boxesWrongAtNext = 12}, Grade::Again},
        {"typed right, moved on untested", {.durationMs = 9000}, Grade::Good},
        {"typed right quickly, moved on untested", {.durationMs = 5, .medianMs = 9}, Grade::Easy},
        {"right at the first test", {.testsRun = 1, .firstTestAllRight = true}, Grade::Good},
        {"right at the first test, quicker than usual",
         {.testsRun = 1, .firstTestAllRight = true, .durationMs = 8, .medianMs = 9},
         Grade::Easy},
        {"right at the first test, as quick as usual",
         {.testsRun = 1, .firstTestAllRight = true, .durationMs = 9, .medianMs = 9},
         Grade::Good},
        {"a letter shown, then right at the first test",
         {.testsRun = 1, .firstTestAllRight = true, .lettersRevealed = 1, .medianMs = 9},
         Grade::Hard},
        {"right at the second test", {.testsRun = 2, .durationMs = 1, .medianMs = 9}, Grade::Hard},
        {"one box shown by Show Correct", {.testsRun = 2, .boxesRevealed = 1}, Grade::Again},
        {"Show All, then Restore and all right",
         {.testsRun = 1, .firstTestAllRight = true, .boxesRevealed = 16},
         Grade::Again},
        {"right at the first test, a box spoilt before moving on",
         {.testsRun = 1, .firstTestAllRight = true, .boxesWrongAtNext = 1},
         Grade::Again},
    };
    for (const auto &c : cases)
        EXPECT_EQ(review::gradeBoard(c.work), c.grade) << c.name;
}
