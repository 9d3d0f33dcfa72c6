// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "review/VerbGroups.h"

#include <bitset>

namespace review {

// What the learner chose to review, kept between runs as one line of text.
struct ReviewChoice {
    static constexpr int DefaultSessionLength = 10;
    static constexpr int MinimumSessionLength = 1;
    static constexpr int MaximumSessionLength = 100;
    static constexpr int MistakeDays = 30; // "my mistakes" looks this far back

    std::bitset<data::TenseCount> tenses; // by tense number, the tense list's order
    std::bitset<VerbTypeCount> types;     // by VerbType
    std::bitset<VerbKindCount> kinds;     // by VerbKind
    std::bitset<LevelCount> levels;       // by Level
    bool onlyMistakes = false;            // only boards graded Again in the last MistakeDays
    int sessionLength = DefaultSessionLength;

    // The present, the simple past and the present perfect of every verb; ten boards.
    static ReviewChoice defaults();

    bool includes(VerbType type) const { return types.test(int(type)); }
    bool includes(VerbKind kind) const { return kinds.test(int(kind)); }
    bool includes(Level level) const { return levels.test(int(level)); }

    // "version=1;tenses=0,1,3;types=weak,strong;kinds=plain;levels=A1,unlisted;mistakes=no;
    // length=10" (one line). Reading gives the defaults for text of another version and for any
    // damage: a key missing or twice, an unknown word, a length out of range. Unknown keys are
    // passed over, so a later version can add some.
    QString toText() const;
    static ReviewChoice fromText(const QString &text);

    friend bool operator==(const ReviewChoice &, const ReviewChoice &) = default;
};

} // namespace review
