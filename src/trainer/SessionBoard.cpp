// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer/SessionBoard.h"

#include <algorithm>

namespace trainer {

std::optional<qint64> medianDuration(QList<qint64> durations)
{
    if (durations.isEmpty())
        return std::nullopt;
    std::sort(durations.begin(), durations.end());
    const qsizetype middle = durations.size() / 2;
    if (durations.size() % 2 == 1)
        return durations[middle];
    return (durations[middle - 1] + durations[middle]) / 2;
}

QList<SessionBoard> sessionBoards(const review::SessionPlan &plan,
                                  const QList<review::OfferedVerb> &verbs,
                                  const QHash<QString, int> &recordOfVerb,
                                  const QHash<review::CardKey, review::CardState> &states,
                                  const QList<review::ReviewEntry> &log)
{
    QHash<review::CardKey, QList<qint64>> durations;
    for (const review::PlannedBoard &planned : plan.boards)
        durations.insert(planned.card, {});
    for (const review::ReviewEntry &entry : log) {
        if (auto found = durations.find(entry.card); found != durations.end())
            found->append(entry.durationMs);
    }
    QList<SessionBoard> boards;
    for (const review::PlannedBoard &planned : plan.boards) {
        const auto record = recordOfVerb.constFind(verbs.value(planned.verb).name);
        if (record == recordOfVerb.cend())
            continue;
        boards.append({planned.card, *record, planned.tense, planned.isNew,
                       states.value(planned.card), medianDuration(durations.value(planned.card))});
    }
    return boards;
}

} // namespace trainer
