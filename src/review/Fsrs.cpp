// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "review/Fsrs.h"
#include "review/Rounding.h"

#include <algorithm>
#include <cmath>

namespace review {

namespace {

constexpr double MinimumStability = 0.001;
constexpr double MaximumStability = 36500;
constexpr qint64 MsPerDay = 24 * 60 * 60 * 1000;
constexpr Grade Grades[] = {Grade::Again, Grade::Hard, Grade::Good, Grade::Easy};

// Written as min(max()) so that every rounding matches the reference's own clamp.
double clamp(double value, double low, double high)
{
    return std::min(std::max(value, low), high);
}

int index(Grade grade)
{
    return static_cast<int>(grade) - 1;
}

// Memory the formulas can work from; anything else (a damaged store) starts again.
bool memoryUsable(const CardState &card)
{
    return card.phase != CardPhase::New && card.lastReview.isValid() &&
           card.stability >= MinimumStability && card.stability <= MaximumStability &&
           card.difficulty >= 1 && card.difficulty <= 10;
}

// Days between two reviews count UTC calendar days, not 24-hour periods.
qint64 calendarDaysBetween(const QDateTime &from, const QDateTime &to)
{
    return from.toUTC().date().daysTo(to.toUTC().date());
}

} // namespace

const Fsrs::Weights &Fsrs::defaultWeights()
{
    static const Weights weights = {0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                    0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                    1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
    return weights;
}

Fsrs::Fsrs(const Weights &weights)
    : m_w(weights), m_decay(-weights[20]),
      m_factor(toEightDecimals(std::exp(std::pow(m_decay, -1.0) * std::log(0.9)) - 1)),
      m_intervalModifier(toEightDecimals((std::pow(DesiredRetention, 1 / m_decay) - 1) / m_factor))
{
}

CardState Fsrs::review(const CardState &card, Grade grade, const QDateTime &now) const
{
    const bool remembered = memoryUsable(card);
    std::array<Memory, 4> after{};
    if (!remembered) {
        for (Grade g : Grades)
            after[index(g)] = {std::max(m_w[index(g)], 0.1), clamp(initialDifficulty(g), 1, 10)};
    } else {
        const Memory before{card.stability, card.difficulty};
        const double elapsedDays =
            static_cast<double>(std::max<qint64>(0, calendarDaysBetween(card.lastReview, now)));
        const double recall = forgettingCurve(elapsedDays, before.stability);
        for (Grade g : Grades) {
            after[index(g)].difficulty = nextDifficulty(before.difficulty, g);
            after[index(g)].stability =
                g == Grade::Again
                    ? clamp(before.stability, MinimumStability, forgetStability(before, recall))
                    : recallStability(before, recall, g);
        }
    }
    // Each better grade waits at least one day longer than the grade below it.
    std::array<int, 4> days{};
    for (Grade g : Grades)
        days[index(g)] = intervalDays(after[index(g)].stability);
    days[0] = std::min(days[0], days[1]);
    for (int i = 1; i < 4; ++i)
        days[i] = std::max(days[i], days[i - 1] + 1);

    CardState next = card;
    next.phase = CardPhase::Review;
    next.stability = after[index(grade)].stability;
    next.difficulty = after[index(grade)].difficulty;
    next.reps = card.reps + 1;
    if (remembered && grade == Grade::Again)
        ++next.lapses;
    const qint64 reviewedMs = now.toMSecsSinceEpoch();
    next.lastReview = QDateTime::fromMSecsSinceEpoch(reviewedMs, Qt::UTC);
    next.due = QDateTime::fromMSecsSinceEpoch(reviewedMs + days[index(grade)] * MsPerDay, Qt::UTC);
    return next;
}

double Fsrs::retrievability(const CardState &card, const QDateTime &now) const
{
    if (!memoryUsable(card))
        return 0;
    // Here whole 24-hour periods since the last review, as the reference counts them.
    const double elapsedMs =
        static_cast<double>(now.toMSecsSinceEpoch() - card.lastReview.toMSecsSinceEpoch());
    const double elapsedDays = std::max(std::floor(elapsedMs / MsPerDay), 0.0);
    return forgettingCurve(elapsedDays, toEightDecimals(card.stability));
}

int Fsrs::intervalDays(double stability) const
{
    const double days = roundHalfUp(stability * m_intervalModifier);
    return static_cast<int>(std::min(std::max(1.0, days), double(MaximumIntervalDays)));
}

double Fsrs::forgettingCurve(double elapsedDays, double stability) const
{
    return toEightDecimals(std::pow(1 + m_factor * elapsedDays / stability, m_decay));
}

double Fsrs::initialDifficulty(Grade grade) const
{
    return toEightDecimals(m_w[4] - std::exp(index(grade) * m_w[5]) + 1);
}

double Fsrs::nextDifficulty(double difficulty, Grade grade) const
{
    // Steps shrink as difficulty nears 10, and it drifts back towards an Easy start.
    const double delta = -m_w[6] * (static_cast<int>(grade) - 3);
    const double damped = difficulty + toEightDecimals(delta * (10 - difficulty) / 9);
    return clamp(toEightDecimals(m_w[7] * initialDifficulty(Grade::Easy) + (1 - m_w[7]) * damped),
                 1, 10);
}

double Fsrs::recallStability(Memory memory, double recall, Grade grade) const
{
    const double hardPenalty = grade == Grade::Hard ? m_w[15] : 1;
    const double easyBonus = grade == Grade::Easy ? m_w[16] : 1;
    const double s = memory.stability;
    const double growth = std::exp(m_w[8]) * (11 - memory.difficulty) * std::pow(s, -m_w[9]) *
                          (std::exp((1 - recall) * m_w[10]) - 1) * hardPenalty * easyBonus;
    return toEightDecimals(clamp(s * (1 + growth), MinimumStability, MaximumStability));
}

double Fsrs::forgetStability(Memory memory, double recall) const
{
    const double s = m_w[11] * std::pow(memory.difficulty, -m_w[12]) *
                     (std::pow(memory.stability + 1, m_w[13]) - 1) *
                     std::exp((1 - recall) * m_w[14]);
    return toEightDecimals(clamp(s, MinimumStability, MaximumStability));
}

} // namespace review
