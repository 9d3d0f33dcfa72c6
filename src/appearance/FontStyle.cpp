// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appearance/FontStyle.h"

#include "appearance/FontGroups.h"

#include <array>

namespace appearance {

namespace {

enum StyleChoice { Regular = 0, Bold = 1, Italic = 2, BoldItalic = 3 };

constexpr std::array EntryFontSizes{8, 9, 10, 11, 12};

QStringList buildStyleGroup()
{
    QStringList names;
    for (const FontGroupEntry &group : fontGroups())
        names += group.controls;
    names.append(QStringLiteral("Label12")); // the German tense caption takes the style only
    return names;
}

} // namespace

FontStyle withStyleChoice(FontStyle current, int styleIndex)
{
    current.bold = styleIndex == Bold || styleIndex == BoldItalic;
    current.italic = styleIndex == Italic || styleIndex == BoldItalic;
    return current;
}

const QStringList &styleGroup()
{
    static const QStringList names = buildStyleGroup();
    return names;
}

std::optional<int> entryFontSizeForChoice(int sizeIndex)
{
    if (sizeIndex < 0 || sizeIndex >= int(EntryFontSizes.size()))
        return std::nullopt;
    return EntryFontSizes[sizeIndex];
}

} // namespace appearance
