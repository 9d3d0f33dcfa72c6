// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "practice/PracticeState.h"

#include <QStringList>

namespace practice {

// What Test Answers makes of one box: its form exactly, another form standard
// German accepts there (a listed alternative), or neither.
enum class AnswerMark { Right, AlsoRight, Wrong };

using AnswerMarks = std::array<AnswerMark, data::BoxCount>; // box k at [k - 1]
using BoxAlternatives = std::array<QStringList, data::BoxCount>;

// Test Answers: each box's text compared exactly with its answer, then with
// the box's alternatives (case, blanks and umlauts all count). A box the board
// does not show (no answer) is right while it is empty.
AnswerMarks markAnswers(const BoxTexts &boxTexts, const BoxTexts &answers,
                        const BoxAlternatives &alternatives);

// The boxes marked wrong; an alternative counts as right.
std::array<bool, data::BoxCount> wrongBoxes(const AnswerMarks &marks);

// Which boxes hold a text that is not exactly their answer.
std::array<bool, data::BoxCount> wrongAnswers(const BoxTexts &boxTexts, const BoxTexts &answers);

} // namespace practice
