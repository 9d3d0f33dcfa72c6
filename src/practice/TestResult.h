// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "practice/PracticeState.h"

namespace practice {

// What Test Answers' colours say, in words: "All 12 answers right", or how
// many are wrong and which, by the boxes' spoken names (`names`, box k at
// [k - 1]) in the board's reading order: "2 of 8 wrong: du, er/sie/es.". A
// name is cut to its person ("du") where no other box the board shows has
// that person; otherwise whole, the names then parted by semicolons. Counts
// the boxes the board shows, those with an answer.
QString testResultSummary(const std::array<bool, data::BoxCount> &wrong, const BoxTexts &answers,
                          const BoxTexts &names);

// What a box marked by Test Answers says of itself.
QString wrongAnswerDescription();

} // namespace practice
