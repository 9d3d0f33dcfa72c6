// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ScriptedReview.h"

#include "progress/Connection.h"
#include "progress/ProgressStore.h"

#include <gtest/gtest.h>

#include <tuple>

namespace progresstest {

inline auto fields(const review::ReviewEntry &e)
{
    return std::tie(e.card.verb, e.card.tense, e.grade, e.reviewedAt, e.durationMs, e.wrongBoxes);
}

inline auto fields(const review::CardState &s)
{
    return std::tie(s.phase, s.stability, s.difficulty, s.due, s.lastReview, s.reps, s.lapses);
}

// The store in the folder opens clean and holds boards 0 .. n-1 of each script and nothing
// else, every field as recorded, and each card's state is the one its boards lead to: no grade
// without its card's new state, or the reverse. Returns n for the first label.
inline int checkScriptedStore(const QString &folder, const QStringList &labels)
{
    EXPECT_EQ(
        progress::Connection(folder + "/progress.sqlite", progress::Connection::Access::ReadOnly)
            .text("PRAGMA integrity_check"),
        "ok");
    progress::ProgressStore store(folder);
    EXPECT_TRUE(store.open().isReady()) << qPrintable(store.status().message());
    QHash<QString, int> boards; // by label
    QHash<QString, review::CardState> expected;
    for (const review::ReviewEntry &entry : store.reviewLog()) {
        const QString label = entry.card.verb.section(' ', -1);
        const review::ReviewEntry board = scriptedBoard(label, boards[label]++);
        EXPECT_TRUE(labels.contains(label) && fields(entry) == fields(board))
            << qPrintable(entry.card.verb) << " board " << boards[label] - 1;
        review::CardState &state = expected[entry.card.verb + '|' + entry.card.tense];
        state = stateAfter(state, board);
    }
    const QList<progress::StoredCard> cards = store.cards();
    EXPECT_EQ(cards.size(), expected.size());
    for (const progress::StoredCard &card : cards) {
        EXPECT_TRUE(fields(card.state) == fields(expected[card.key.verb + '|' + card.key.tense]))
            << qPrintable(card.key.verb) << ", " << qPrintable(card.key.tense);
    }
    return boards.value(labels.front());
}

} // namespace progresstest
