// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "explain/MistakeKind.h"

#include <QString>

// Each check looks at a wrong, non-empty answer and, when it fits its kind of
// mistake, says what is wrong; the classifier tries them in the order of its table.
namespace explain::checks {

struct Finding {
    MistakeKind kind;
    QString what; // the middle of the sentence: "the ending is right, the stem changes"
};

} // namespace explain::checks
