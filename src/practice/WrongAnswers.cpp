// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/WrongAnswers.h"

namespace practice {

AnswerMarks markAnswers(const BoxTexts &boxTexts, const BoxTexts &answers,
                        const BoxAlternatives &alternatives)
{
    AnswerMarks marks{};
    for (int i = 0; i < data::BoxCount; ++i) {
        if (boxTexts[i] == answers[i])
            marks[i] = AnswerMark::Right;
        // An empty box is never an alternative, even should a list hold an empty form.
        else if (!answers[i].isEmpty() && !boxTexts[i].isEmpty() &&
                 alternatives[i].contains(boxTexts[i]))
            marks[i] = AnswerMark::AlsoRight;
        else
            marks[i] = AnswerMark::Wrong;
    }
    return marks;
}

std::array<bool, data::BoxCount> wrongBoxes(const AnswerMarks &marks)
{
    std::array<bool, data::BoxCount> wrong{};
    for (int i = 0; i < data::BoxCount; ++i)
        wrong[i] = marks[i] == AnswerMark::Wrong;
    return wrong;
}

std::array<bool, data::BoxCount> wrongAnswers(const BoxTexts &boxTexts, const BoxTexts &answers)
{
    return wrongBoxes(markAnswers(boxTexts, answers, {}));
}

} // namespace practice
