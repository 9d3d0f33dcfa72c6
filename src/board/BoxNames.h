// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/RecordLayout.h"

#include <QString>

#include <optional>

namespace board {

// What assistive technology calls entry box `box` (1 to 36) for a verb of
// `category` in `tense`: the person of its row and what its column holds,
// e.g. "du, verb", "wir, separable prefix", "ihr, participle". Without a
// category or a tense (nothing to show), or for a column the tense leaves
// empty, the place is the column's number.
QString boxAccessibleName(std::optional<data::Category> category, int tense, int box);

} // namespace board
