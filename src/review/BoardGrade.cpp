// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "review/BoardGrade.h"

namespace review {

Grade gradeBoard(const BoardWork &work)
{
    if (work.boxesRevealed > 0 || work.boxesWrongAtNext > 0)
        return Grade::Again;
    // Every box is right now; without a test, moving on was the first test and found them so.
    const bool rightAtFirstTest = work.testsRun == 0 || work.firstTestAllRight;
    if (!rightAtFirstTest || work.lettersRevealed > 0)
        return Grade::Hard;
    if (work.medianMs && work.durationMs < *work.medianMs)
        return Grade::Easy;
    return Grade::Good;
}

} // namespace review
