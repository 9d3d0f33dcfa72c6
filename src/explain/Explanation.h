// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "explain/MistakeKind.h"

#include <QString>

namespace explain {

// What the classifier says of one box: the kind, one sentence naming the typed
// text, what is wrong and the right form with its person (for the tooltip, the
// accessible description and the line called up by key), and a shorter line.
struct Explanation {
    MistakeKind kind = MistakeKind::Unclassified;
    QString sentence;  // "sprechst: the ending is right, the stem changes: du sprichst"
    QString shortText; // "stem change: du sprichst"
};

} // namespace explain
