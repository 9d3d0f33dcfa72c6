// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "review/Card.h"

#include <array>

namespace review {

// The FSRS-6 scheduler, day-based: every review moves a card to the Review phase, due a whole
// number of days (at least one) after the review, aiming at 90 % recall then. No learning steps
// within a day and no fuzz, so the same history always gives the same schedule.
class Fsrs {
public:
    static constexpr int WeightCount = 21;
    using Weights = std::array<double, WeightCount>;
    static constexpr double DesiredRetention = 0.9;
    static constexpr int MaximumIntervalDays = 36500;

    // FSRS-6's published defaults, fitted on many learners' reviews.
    static const Weights &defaultWeights();

    explicit Fsrs(const Weights &weights = defaultWeights());

    // The card after one review graded `grade` at `now`. A card whose stored memory is
    // damaged (stability or difficulty out of range, no last review) starts again as new,
    // keeping its counts; a review dated before the last one counts as the same day.
    CardState review(const CardState &card, Grade grade, const QDateTime &now) const;

    // The probability of recalling the card at `now`, 0 to 1; 0 for a new card.
    double retrievability(const CardState &card, const QDateTime &now) const;

    // Days to the next review for a stability: at least 1, at most MaximumIntervalDays.
    int intervalDays(double stability) const;

private:
    struct Memory {
        double stability;
        double difficulty;
    };
    double forgettingCurve(double elapsedDays, double stability) const;
    double initialDifficulty(Grade grade) const;
    double nextDifficulty(double difficulty, Grade grade) const;
    double recallStability(Memory memory, double recall, Grade grade) const;
    double forgetStability(Memory memory, double recall) const;

    Weights m_w;
    double m_decay;            // negative
    double m_factor;           // chosen so that recall is 90 % after `stability` days
    double m_intervalModifier; // days per unit of stability at the desired retention
};

} // namespace review
