// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/WrongAnswers.h"

namespace practice {

std::array<bool, data::BoxCount> wrongAnswers(const BoxTexts &boxTexts, const BoxTexts &answers)
{
    std::array<bool, data::BoxCount> wrong{};
    for (int i = 0; i < data::BoxCount; ++i)
        wrong[i] = boxTexts[i] != answers[i];
    return wrong;
}

} // namespace practice
