// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

#include <optional>

// The style list (bold, italic) and the size list (the answer boxes' size).
namespace appearance {

// A control's font style: four independent attributes.
struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    friend bool operator==(const FontStyle &, const FontStyle &) = default;
};

// The style list's entries by index: " Reg" 0, " Bold" 1, " Ital" 2, " B-I" 3.
// A choice replaces bold and italic; underline and strike-out stay as found.
// Any other index (-1: no selection) leaves the style regular.
FontStyle withStyleChoice(FontStyle current, int styleIndex);

// The 80 controls a style choice reaches: the font groups' 79 controls and
// the German tense caption Label12. Each control's style is set on its own,
// so the order they are visited in does not matter.
const QStringList &styleGroup();

// The size list's index to EntryFontSize: " 8" .. " 12" are 0 to 4. Any other
// index (-1: no selection) gives nothing, and EntryFontSize stays as it was.
std::optional<int> entryFontSizeForChoice(int sizeIndex);

} // namespace appearance
