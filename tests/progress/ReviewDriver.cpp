// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Records a scripted review into the progress store in a folder, one grade after another,
// carrying on where the script's log ends, and prints "committed N" once grade N is kept:
//   progress_review_driver FOLDER LABEL BOARDS
#include "ScriptedReview.h"

#include "progress/ProgressStore.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 4)
        return 2;
    const QString label = arguments[2];
    const int boards = arguments[3].toInt();
    progress::ProgressStore store(arguments[1]);
    std::printf("opening\n");
    std::fflush(stdout);
    if (!store.create().isReady()) {
        std::printf("failed %s\n", qPrintable(store.status().message()));
        return 1;
    }
    QHash<QString, review::CardState> states; // by verb and tense
    for (const progress::StoredCard &card : store.cards())
        states.insert(card.key.verb + QLatin1Char('|') + card.key.tense, card.state);
    int next = 0;
    for (const review::ReviewEntry &entry : store.reviewLog())
        next += entry.card.verb.endsWith(QLatin1Char(' ') + label) ? 1 : 0;
    std::printf("ready %d\n", next);
    std::fflush(stdout);
    for (int n = next; n < boards; ++n) {
        const review::ReviewEntry board = progresstest::scriptedBoard(label, n);
        review::CardState &state = states[board.card.verb + QLatin1Char('|') + board.card.tense];
        const review::CardState after = progresstest::stateAfter(state, board);
        const progress::StoreStatus status = store.recordGrade(board, after);
        if (!status.isReady()) {
            std::printf("failed %s\n", qPrintable(status.message()));
            return 1;
        }
        state = after;
        std::printf("committed %d\n", n);
        std::fflush(stdout);
    }
    return 0;
}
