// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "review/BoardGrade.h"
#include "review/Fsrs.h"
#include "trainer/SessionBoard.h"

namespace trainer {

// A board graded: the log's row and the card's state after it, kept together or not at all.
struct GradedBoard {
    review::ReviewEntry entry;
    review::CardState after;
};

// One review session: its boards in order, the work the learner does on the board shown, and the
// grades given so far. The window tells it what happened; it says what the board earns.
class ReviewSession {
public:
    explicit ReviewSession(QList<SessionBoard> boards);

    int boardCount() const { return int(boards_.size()); }
    int position() const { return position_; } // the board shown, from 0
    bool finished() const { return position_ >= boardCount(); }
    const SessionBoard &current() const { return boards_[position_]; }
    const QList<review::Grade> &grades() const { return grades_; }

    // What the learner did on the board shown.
    void noteTest(bool everyBoxRight);
    void noteLetterRevealed();
    void noteBoxesRevealed(const QList<int> &boxes); // by Show Correct or Show All

    // Grades the board shown from the work noted, the boxes not right when the learner moved on
    // and the time taken, schedules its card and moves to the next board. The log's row names
    // the boxes wrong or revealed.
    GradedBoard gradeBoard(const QList<int> &wrongBoxes, qint64 durationMs, const QDateTime &now);

private:
    QList<SessionBoard> boards_;
    int position_ = 0;
    review::BoardWork work_;
    QList<int> revealedBoxes_;
    QList<review::Grade> grades_;
    review::Fsrs fsrs_;
};

} // namespace trainer
