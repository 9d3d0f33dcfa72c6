// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "explain/Explanation.h"
#include "explain/VerbForms.h"

#include <QString>

namespace explain {

// Explains what the learner typed into box `box` (1 to 36) of `tense` (0 to 14)
// when Test Answers compared it with `right`, the box's form: the first kind
// of mistake that fits, in the order of MistakeKind. Texts are compared
// exactly, as Test Answers compares them; only the typed text's composition
// of accented letters is normalised, which changes no letter.
Explanation explainAnswer(const QString &typed, const QString &right, const VerbForms &verb,
                          int tense, int box);

} // namespace explain
