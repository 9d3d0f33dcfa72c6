// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/TestResult.h"

namespace practice {

QString testResultSummary(const std::array<bool, data::BoxCount> &wrong, const BoxTexts &answers)
{
    int shown = 0;
    int wrongCount = 0;
    for (int i = 0; i < data::BoxCount; ++i) {
        if (answers[i].isEmpty())
            continue;
        ++shown;
        if (wrong[i])
            ++wrongCount;
    }
    if (shown == 0)
        return QStringLiteral("No answers to test");
    if (wrongCount == 0)
        return shown == 1 ? QStringLiteral("The answer is right")
                          : QStringLiteral("All %1 answers right").arg(shown);
    if (shown == 1)
        return QStringLiteral("The answer is wrong");
    return QStringLiteral("%1 of %2 answers wrong").arg(wrongCount).arg(shown);
}

QString wrongAnswerDescription(const QString &explanation)
{
    if (explanation.isEmpty())
        return QStringLiteral("wrong answer");
    return QStringLiteral("wrong answer; ") + explanation;
}

QString alsoRightDescription(const QString &boardForm)
{
    return QStringLiteral("also right; the board has: ") + boardForm;
}

QString explanationLine(std::optional<AnswerMark> mark, const QString &typed,
                        const QString &boardForm, const QString &explanation)
{
    if (!mark)
        return QStringLiteral("Nothing to explain: test the answers first");
    switch (*mark) {
    case AnswerMark::Right:
        return typed + QStringLiteral(": right");
    case AnswerMark::AlsoRight:
        return typed + QStringLiteral(": ") + alsoRightDescription(boardForm);
    case AnswerMark::Wrong:
        break;
    }
    return explanation.isEmpty() ? QStringLiteral("wrong answer; the right form is ") + boardForm
                                 : explanation;
}

} // namespace practice
