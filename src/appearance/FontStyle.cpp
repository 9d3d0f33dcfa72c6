// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appearance/FontStyle.h"

#include "data/RecordLayout.h"

#include <array>

namespace appearance {

namespace {

enum StyleChoice { Regular = 0, Bold = 1, Italic = 2, BoldItalic = 3 };

constexpr std::array EntryFontSizes{8, 9, 10, 11, 12};

QStringList buildStyleGroup()
{
    QStringList names;
    for (int label = 1; label <= 12; ++label) // Label9 and Label12 included
        names.append(QStringLiteral("Label%1").arg(label));
    names << QStringLiteral("Label14") << QStringLiteral("Label15") << QStringLiteral("Label19")
          << QStringLiteral("Label20") << QStringLiteral("Label21");
    names << QStringLiteral("ComboBox1") << QStringLiteral("ComboBox2")
          << QStringLiteral("AlphaEdit") << QStringLiteral("ComboBox5")
          << QStringLiteral("ComboBox6");
    for (const char *name : {"btnTestAnswers", "btnTestAnswersRestore",
                             "btnShowAll",     "btnShowAllRestore",
                             "btnShowCorrect", "btnShowCorrectRestore",
                             "btnShowRand",    "leftCopy",
                             "leftPaste",      "panTy",
                             "btnUmlauta",     "btnUmlauto",
                             "btnUmlautu",     "btnSzet",
                             "btnUmlautaR",    "btnUmlautoR",
                             "btnUmlautuR",    "btnSzetR",
                             "btnVar",         "rightCopy",
                             "rightPaste"})
        names.append(QString::fromLatin1(name));
    for (int box = 1; box <= data::BoxCount; ++box)
        names.append(QStringLiteral("E%1").arg(box));
    names.append(QStringLiteral("EdS4"));
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
