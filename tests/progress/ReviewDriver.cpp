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
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each line reaches the test as it is printed
    const QString label = arguments[2];
    progress::ProgressStore store(arguments[1]);
    std::printf("opening\n");
    progress::StoreStatus status = store.create();
    QHash<QString, review::CardState> states; // by verb and tense
    for (const progress::StoredCard &card : store.cards())
        states.insert(card.key.verb + '|' + card.key.tense, card.state);
    int n = 0;
    for (const review::ReviewEntry &entry : store.reviewLog())
        n += entry.card.verb.endsWith(' ' + label) ? 1 : 0;
    std::printf("ready %d\n", n);
    for (; status.isReady() && n < arguments[3].toInt(); ++n) {
        const review::ReviewEntry board = progresstest::scriptedBoard(label, n);
        review::CardState &state = states[board.card.verb + '|' + board.card.tense];
        state = progresstest::stateAfter(state, board);
        status = store.recordGrade(board, state);
        if (status.isReady())
            std::printf("committed %d\n", n);
    }
    if (!status.isReady())
        std::printf("failed %s\n", qPrintable(status.message()));
    return status.isReady() ? 0 : 1;
}
