// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/VerbRanks.h"
#include "review/VerbGroups.h"

namespace trainer {

// The verbs the verb file offers, kept in its order, given their frequency ranks and levels by the
// ranks file read against their names. Without a ranks file that could be read, the verb file's
// order is the ranking and no verb has a level.
QList<review::OfferedVerb> rankedVerbs(QList<review::OfferedVerb> verbs,
                                       const data::VerbRanks &ranks);

// The verb list's names of the offered verbs, as the ranks file is read against.
QStringList verbNames(const QList<review::OfferedVerb> &verbs);

} // namespace trainer
