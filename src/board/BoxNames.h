// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/RecordLayout.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace board {

// What assistive technology calls entry box `box` (1 to 36) for a verb of
// `category` in `tense`: the person of its row and what its column holds,
// e.g. "du, verb", "wir, separable prefix", "ihr, participle". Without a
// category or a tense (nothing to show), or for a column the tense leaves
// empty, the place is the column's number.
QString boxAccessibleName(std::optional<data::Category> category, int tense, int box);

// What a screen reader is told of a new board: the verb and the tense as the
// lists show them, then the two captions (the principal parts and the
// meaning), each a sentence of its own; blanks around them and empty
// captions left out. "abbauen, present. baute ab, hat abgebaut. to dismantle."
QString boardAnnouncement(const QString &verb, const QString &tense, const QStringList &captions);

} // namespace board
