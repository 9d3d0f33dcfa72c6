// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/RecordLayout.h"
#include "data/VerbFile.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace review {

// The groups a learner can choose verbs by. Each enum counts from 0 so that a choice can hold
// a set of them as bits.
enum class VerbType { Weak, Strong, Mixed, Irregular, Modal };
enum class VerbKind { Plain, Separable, Reflexive, TwoWord };
enum class Level { A1, A2, B1, Unlisted }; // Unlisted: not on the A1-B1 list
constexpr int VerbTypeCount = 5;
constexpr int VerbKindCount = 4;
constexpr int LevelCount = 4;

// The words the saved choice uses: "weak", "two-word", "A1", "unlisted".
const std::array<QString, VerbTypeCount> &verbTypeWords();
const std::array<QString, VerbKindCount> &verbKindWords();
const std::array<QString, LevelCount> &levelWords();

// From the verb type the board shows ("Weak", "Irreg", ...); unset for anything else.
std::optional<VerbType> verbTypeFromTypeName(const QString &typeName);
VerbKind verbKindFromCategory(data::Category category);
// From the level list's column: "A1", "A2", "B1"; anything else ("-") is Unlisted.
Level levelFromWord(const QString &word);

// One verb the verb file offers, as the session planner needs it.
struct OfferedVerb {
    QString name;                 // as the verb list shows it, trimmed: the card key's verb
    std::optional<VerbType> type; // unset: the verb file's type letter is unknown
    std::optional<VerbKind> kind; // unset: no known category, so no board can be shown
    Level level = Level::Unlisted;
    int frequencyRank = 0; // 0 most frequent; the verb file's order without a rank list

    friend bool operator==(const OfferedVerb &, const OfferedVerb &) = default;
};

// Every record of the verb file in its order, ranked by that order, none on the level list.
QList<OfferedVerb> offeredVerbs(const data::VerbFile &file);

// Ranks the verbs by a frequency list (most frequent first, each verb named as the verb list
// shows it, with its level) and gives them its levels. Verbs not on the list follow those on it,
// in their earlier order, unlisted; names on the list that no verb has are ignored.
void applyFrequencyList(QList<OfferedVerb> &verbs, const QList<std::pair<QString, Level>> &list);

} // namespace review
