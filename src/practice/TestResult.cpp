// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/TestResult.h"

#include <QStringList>

#include <algorithm>
#include <tuple>
#include <vector>

namespace practice {

namespace {

// The boxes the board shows, top to bottom and left to right, the left
// block's persons before the right block's.
std::vector<int> shownInReadingOrder(const BoxTexts &answers)
{
    std::vector<int> boxes;
    for (int box = 1; box <= data::BoxCount; ++box) {
        if (!answers[box - 1].isEmpty())
            boxes.push_back(box);
    }
    const auto place = [](int box) {
        const data::GridPlace grid = data::gridPlace(box);
        return std::tuple(grid.block, grid.row, grid.column);
    };
    std::stable_sort(boxes.begin(), boxes.end(), [&](int a, int b) { return place(a) < place(b); });
    return boxes;
}

QString person(const QString &name)
{
    return name.section(QStringLiteral(", "), 0, 0);
}

QString wrongBoxesNamed(const std::array<bool, data::BoxCount> &wrong, const BoxTexts &answers,
                        const BoxTexts &names)
{
    const std::vector<int> shown = shownInReadingOrder(answers);
    QStringList said;
    bool whole = false;
    for (int box : shown) {
        if (!wrong[box - 1])
            continue;
        const QString &name = names[box - 1];
        const auto samePerson = std::count_if(shown.begin(), shown.end(), [&](int other) {
            return person(names[other - 1]) == person(name);
        });
        whole = whole || samePerson > 1;
        said.append(samePerson > 1 ? name : person(name));
    }
    return said.join(whole ? QStringLiteral("; ") : QStringLiteral(", "));
}

} // namespace

QString testResultSummary(const std::array<bool, data::BoxCount> &wrong, const BoxTexts &answers,
                          const BoxTexts &names)
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
    return QStringLiteral("%1 of %2 wrong: %3.")
        .arg(wrongCount)
        .arg(shown)
        .arg(wrongBoxesNamed(wrong, answers, names));
}

QString wrongAnswerDescription()
{
    return QStringLiteral("wrong answer");
}

} // namespace practice
