// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "explain/Answer.h"
#include "explain/Finding.h"

#include <optional>

// Grammar: the auxiliary, the reflexive pronoun, another person's or tense's form, the stem and the
// ending.
namespace explain::checks {

std::optional<Finding> wrongAuxiliary(const Answer &answer);
std::optional<Finding> reflexivePronoun(const Answer &answer);
std::optional<Finding> otherPerson(const Answer &answer);
std::optional<Finding> otherTense(const Answer &answer);
std::optional<Finding> weakForm(const Answer &answer);
std::optional<Finding> stemChange(const Answer &answer);
std::optional<Finding> stemVowel(const Answer &answer);
std::optional<Finding> wrongEnding(const Answer &answer);

} // namespace explain::checks
