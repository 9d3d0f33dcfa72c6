// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer/ReviewSession.h"

#include <algorithm>

namespace trainer {

ReviewSession::ReviewSession(QList<SessionBoard> boards) : boards_(std::move(boards)) {}

void ReviewSession::noteTest(bool everyBoxRight)
{
    if (work_.testsRun == 0)
        work_.firstTestAllRight = everyBoxRight;
    ++work_.testsRun;
}

void ReviewSession::noteLetterRevealed()
{
    ++work_.lettersRevealed;
}

void ReviewSession::noteBoxesRevealed(const QList<int> &boxes)
{
    work_.boxesRevealed += int(boxes.size());
    revealedBoxes_ += boxes;
}

GradedBoard ReviewSession::gradeBoard(const QList<int> &wrongBoxes, qint64 durationMs,
                                      const QDateTime &now)
{
    Q_ASSERT(!finished());
    const SessionBoard &board = boards_[position_];
    review::BoardWork work = work_;
    work.boxesWrongAtNext = int(wrongBoxes.size());
    work.durationMs = durationMs;
    work.medianMs = board.medianMs;
    const review::Grade grade = review::gradeBoard(work);
    QList<int> boxes = wrongBoxes + revealedBoxes_;
    std::sort(boxes.begin(), boxes.end());
    boxes.erase(std::unique(boxes.begin(), boxes.end()), boxes.end());
    GradedBoard graded{{board.card, grade, now.toUTC(), durationMs, boxes},
                       fsrs_.review(board.state, grade, now.toUTC())};
    grades_.append(grade);
    work_ = {};
    revealedBoxes_.clear();
    ++position_;
    return graded;
}

} // namespace trainer
