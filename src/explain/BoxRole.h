// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/RecordLayout.h"

#include <QString>

#include <array>

namespace explain {

// What an entry box holds in one tense of a verb's category.
enum class BoxRole {
    Empty,            // outside the tense's block
    Verb,             // the finite verb of a simple tense
    Auxiliary,        // the finite auxiliary of a compound tense
    ReflexivePronoun, // mich, dir, sich...
    DetachedPart, // a separable prefix, a reflexive verb's object, or a two-word verb's first word
    Participle,
    Infinitive,
    HabenOrSein, // the infinitive that closes a future perfect
    ImperativeDu,
    ImperativeIhr,
    ImperativeSieVerb,
    ImperativeSieRest,
};

BoxRole boxRole(data::Category category, int tense, int box);

// The finite verb of its row: the verb of a simple tense or the auxiliary of a compound one.
bool isFinite(BoxRole role);

// The du or the ihr imperative: a whole phrase in one box ("steh auf", "stellt euch vor").
bool isPersonalImperative(BoxRole role);

// The person of box `box` as its row's label reads: "ich", "du", "Sie", "er/sie/es", "wir",
// "ihr", "sie"; in the imperative row "du", "ihr" and "Sie".
const QString &boxPerson(int box);

// The four boxes of box `box`'s row, column 1 to 4 (the imperative row: boxes 33 to 36).
std::array<int, 4> rowBoxes(int box);

} // namespace explain
