// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/RecordLayout.h"

#include <QByteArrayView>

#include <array>
#include <optional>

namespace data {

// The type letter of record line 1: "w", "s", "m", "i", "d"; exact.
enum class VerbType { Weak, Strong, Mixed, Irregular, Modal };
std::optional<VerbType> verbTypeFromCode(char code);

// What record lines 0 to 2 say of a verb, read once when the file is read.
// The codes are the first character of each line ('\0' for an empty or a
// missing line), compared exactly; the texts are the lines' payloads as the
// file gives them (Windows-1252, untrimmed), viewing the file's kept bytes.
struct RecordHeader {
    char categoryCode = '\0';
    char typeCode = '\0';
    char variantsCode = '\0';
    std::optional<Category> category; // unset: no layout, nothing else is read
    std::optional<VerbType> type;     // unset: the window keeps the previous verb's
    int variants = 1;                 // "2", "3", "4" give their number, anything else 1
    // Line 0's label (characters 2 to 30, never shown) marks a verb that has
    // only third-person forms ("es only": only the er/sie/es forms), or every
    // person but no imperative.
    bool impersonal = false;
    bool esOnly = false;
    bool noImperative = false;
    QByteArrayView name;           // line 0: the verb list's entry
    QByteArrayView principalParts; // line 1: the present tense's caption line 1
    QByteArrayView meaning;        // line 2: its caption line 2

    bool operator==(const RecordHeader &) const = default; // the texts by their bytes
};

// One header line: its prefix (the first 30 characters or fewer) and its payload.
struct HeaderLine {
    QByteArrayView prefix;
    QByteArrayView payload;
};

RecordHeader readRecordHeader(const std::array<HeaderLine, 3> &lines);

} // namespace data
