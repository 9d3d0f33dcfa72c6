// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QHashFunctions>
#include <QList>
#include <QString>

namespace review {

// How the learner did on one board, from their own work on it.
enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

// The grade's name, as the log, the summary and the statistics write it.
inline QString gradeName(Grade grade)
{
    constexpr const char *names[] = {"Again", "Hard", "Good", "Easy"};
    const int index = int(grade) - 1;
    return index >= 0 && index < 4 ? QString::fromLatin1(names[index]) : QString();
}

// Where a card stands in its scheduling, as the scheduler's reference implementation numbers it.
enum class CardPhase { New = 0, Learning = 1, Review = 2, Relearning = 3 };

// One card is one verb in one tense. Both parts are names, never positions in a file, so a
// card keeps its history when the verb file is regenerated or reordered: the verb as the verb
// list shows it, trimmed ("abbauen", "sich freuen", "Rad fahren"), and the tense by its German
// caption ("Indikativ Präsens").
struct CardKey {
    QString verb;
    QString tense;

    friend bool operator==(const CardKey &, const CardKey &) = default;
};

// So cards can key a QHash (the scheduler's states, the session plan).
inline size_t qHash(const CardKey &key, size_t seed = 0) noexcept
{
    return qHashMulti(seed, key.verb, key.tense);
}

// What the scheduler knows of a card between reviews. Times are UTC.
struct CardState {
    CardPhase phase = CardPhase::New;
    double stability = 0.0;  // days until recall falls to 90 %
    double difficulty = 0.0; // 1 to 10
    QDateTime due;           // invalid while the card is new
    QDateTime lastReview;    // invalid while the card is new
    int reps = 0;            // reviews so far
    int lapses = 0;          // times graded Again after it was learnt
};

// One graded board, as the review log keeps it.
struct ReviewEntry {
    CardKey card;
    Grade grade = Grade::Again;
    QDateTime reviewedAt;  // UTC
    qint64 durationMs = 0; // from the board's showing to its grade
    QList<int> wrongBoxes; // entry boxes (1 to 36) still wrong or revealed at the grade
};

} // namespace review
