// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/RecordLayout.h"

#include <QString>
#include <QStringView>

#include <array>

namespace data {

// The German caption of each tense, by tense number: "Indikativ Präsens" to
// "Imperativ". The window shows them over the board; the alternatives file
// names its tenses by them.
const std::array<QString, TenseCount> &tenseCaptions();

// The tense whose caption is `caption`, exactly; -1 for none.
int tenseOfCaption(QStringView caption);

} // namespace data
