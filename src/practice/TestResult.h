// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "practice/PracticeState.h"

namespace practice {

// What Test Answers' colours say, in words: "All 12 answers right",
// "1 of 12 answers wrong", "3 of 12 answers wrong". Counts the boxes the
// board shows, those with an answer.
QString testResultSummary(const std::array<bool, data::BoxCount> &wrong, const BoxTexts &answers);

// What a box marked by Test Answers says of itself.
QString wrongAnswerDescription();

} // namespace practice
