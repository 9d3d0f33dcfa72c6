// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "explain/Answer.h"
#include "explain/Finding.h"

#include <optional>

// Slips of spelling and layout: a letter's accent, spaces, capitals, ß and ss, umlauts.
namespace explain::checks {

std::optional<Finding> combiningAccent(const Answer &answer);
std::optional<Finding> spacing(const Answer &answer);
std::optional<Finding> capitalisation(const Answer &answer);
std::optional<Finding> eszett(const Answer &answer);
std::optional<Finding> umlaut(const Answer &answer);

} // namespace explain::checks
