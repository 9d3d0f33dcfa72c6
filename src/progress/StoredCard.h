// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "review/Card.h"

namespace progress {

// A card as the store keeps it: its key and where its scheduling stands.
struct StoredCard {
    review::CardKey key;
    review::CardState state;
};

} // namespace progress
