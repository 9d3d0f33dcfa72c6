// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "explain/Answer.h"
#include "explain/Finding.h"

#include <optional>

// Parts of the verb in the wrong place: the separable prefix, ge-, words the box holds or lacks.
namespace explain::checks {

std::optional<Finding> prefixDetached(const Answer &answer);
std::optional<Finding> prefixAttached(const Answer &answer);
std::optional<Finding> geBeforePrefix(const Answer &answer);
std::optional<Finding> prefixMissing(const Answer &answer);
std::optional<Finding> extraWords(const Answer &answer);
std::optional<Finding> missingWord(const Answer &answer);
std::optional<Finding> geMissingOrExtra(const Answer &answer);

} // namespace explain::checks
