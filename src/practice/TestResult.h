// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "practice/PracticeState.h"
#include "practice/WrongAnswers.h"

#include <optional>

namespace practice {

// What Test Answers' colours say, in words: "All 12 answers right", or how
// many are wrong and which, by the boxes' spoken names (`names`, box k at
// [k - 1]) in the board's reading order: "2 of 8 wrong: du, er/sie/es.". A
// name is cut to its person ("du") where no other box the board shows has
// that person; otherwise whole, the names then parted by semicolons. Counts
// the boxes the board shows, those with an answer.
QString testResultSummary(const std::array<bool, data::BoxCount> &wrong, const BoxTexts &answers,
                          const BoxTexts &names);

// What a box marked by Test Answers says of itself: "wrong answer", or with
// what is wrong in it, "wrong answer; sprechst: the ending is right, ...".
QString wrongAnswerDescription(const QString &explanation = {});
// A box that holds another accepted form: "also right; the board has: gesendet".
QString alsoRightDescription(const QString &boardForm);

// The explanation line of one box: what it holds as Test Answers found it.
// No mark: the box was not tested, or has changed since.
QString explanationLine(std::optional<AnswerMark> mark, const QString &typed,
                        const QString &boardForm, const QString &explanation);

} // namespace practice
