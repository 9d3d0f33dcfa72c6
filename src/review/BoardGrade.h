// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "review/Card.h"

#include <optional>

namespace review {

// What the learner did on one board of a review, counted by the window from showing the board
// to moving on.
struct BoardWork {
    int testsRun = 0;               // Test Answers pressed
    bool firstTestAllRight = false; // the first Test Answers found every box right
    int lettersRevealed = 0;        // letters shown by Show Random
    int boxesRevealed = 0;          // boxes filled by Show Correct or Show All, restored or not
    int boxesWrongAtNext = 0;       // boxes not right (empty ones too) when the learner moved on
    qint64 durationMs = 0;
    std::optional<qint64> medianMs =
        std::nullopt; // the card's median time over its earlier reviews, if any
};

// The grade the board earns:
// - Again: a box was revealed, or a box was not right when the learner moved on;
// - Hard: every box right in the end, but only after a Show Random letter or a second test;
// - Good: every box right at the first test, with no letter revealed;
// - Easy: as Good, and faster than the card's median time (never on a card's first review).
// Moving on without any test counts as the first test, so an untouched board earns Again and a
// board typed right and left without a test earns Good (or Easy).
Grade gradeBoard(const BoardWork &work);

} // namespace review
