// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "review/Card.h"
#include "review/SessionPlan.h"
#include "review/VerbGroups.h"

#include <QHash>
#include <QList>

#include <optional>

namespace trainer {

// One board of a session as the window shows it: where it is in the verb and tense lists, and
// what the grade needs to know of the card.
struct SessionBoard {
    review::CardKey card;
    int record = 0; // the verb list's entry
    int tense = 0;  // the tense list's entry
    bool isNew = false;
    review::CardState state;
    std::optional<qint64> medianMs; // over the card's earlier reviews
};

// The middle time of a card's reviews (the mean of the two middle ones for an even count);
// none for a card never reviewed.
std::optional<qint64> medianDuration(QList<qint64> durations);

// The boards of a plan, each placed in the lists by its verb's name (`recordOfVerb`: the verb
// list's entry of every offered verb, whatever order the planner ranked them in), with its
// stored state and its median time from the log. A board whose verb has no entry is left out.
QList<SessionBoard> sessionBoards(const review::SessionPlan &plan,
                                  const QList<review::OfferedVerb> &verbs,
                                  const QHash<QString, int> &recordOfVerb,
                                  const QHash<review::CardKey, review::CardState> &states,
                                  const QList<review::ReviewEntry> &log);

} // namespace trainer
