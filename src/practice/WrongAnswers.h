// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "practice/PracticeState.h"

namespace practice {

// Test Answers: which boxes hold a text that is not exactly their answer
// (case, blanks and umlauts all count).
std::array<bool, data::BoxCount> wrongAnswers(const BoxTexts &boxTexts, const BoxTexts &answers);

} // namespace practice
