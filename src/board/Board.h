// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/RecordLayout.h"
#include "data/VerbFile.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace board {

// What one refresh reads from the chosen record and tense block.
struct BoardContent {
    std::optional<data::Category> category;      // unset: line 0 named no known category
    std::array<QString, data::BoxCount> answers; // AnswerSlot 1..36 at [0..35]
    QString caption1;                            // untrimmed payloads of the block's caption lines
    QString caption2;
    std::optional<QString> typeName; // unset: the type letter was none of the five
    QString variantsDigit;           // "1" to "4"; meaningful only with a known category

    // Line 0 named a known category, so the record has a layout to read by.
    bool categoryKnown() const { return category.has_value(); }
};

// Reads record `record`'s header, as read with the file, and tense `tense`'s
// block (-1: no tense selected, no block read). A record that does not exist
// reads as one of unknown category.
BoardContent readBoard(const data::VerbFile &file, qsizetype record, int tense);

// The verb list's entries, one per whole record: the verb's name (record line
// 0's payload), untrimmed, after one blank.
QStringList verbListEntries(const data::VerbFile &file);

// What the type panel shows: "Weak", "Strong", "Mixed", "Irreg", "Modal".
QString typeName(data::VerbType type);

// The tense list's items and the German captions, by tense number.
const std::array<QString, data::TenseCount> &tenseListItems();
const std::array<QString, data::TenseCount> &tenseCaptions();

} // namespace board
