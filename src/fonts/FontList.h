// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFlags>
#include <QList>
#include <QString>

namespace fonts {

// Filters of the font chooser; a family is listed when any chosen filter
// accepts it.
enum FontOption {
    foAnsi = 0x01,
    foFixed = 0x02,
    foNoSymbol = 0x04,
    foNonOEM = 0x08,
    foOEMFont = 0x10,
    foScalable = 0x20,
    foTrueType = 0x40,
};
Q_DECLARE_FLAGS(FontOptions, FontOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(FontOptions)

inline constexpr FontOptions allFontOptions()
{
    return FontOptions(foAnsi | foFixed | foNoSymbol | foNonOEM | foOEMFont | foScalable |
                       foTrueType);
}

// Whose fonts the chooser lists.
enum FontDevice { fdScreen, fdPrinter, fdBoth };

// Font-type bits of an entry's tag, plus the bit for "not a symbol font".
namespace FontTag {
inline constexpr int Raster = 1;
inline constexpr int Device = 2;
inline constexpr int TrueType = 4;
inline constexpr int NotSymbol = 256;
} // namespace FontTag

// The character set a family is made for. Western (Windows-1252) text is
// Ansi; Oem is the old DOS code page.
enum class FontCharset { Ansi, Symbol, Oem, Other };

// One family as the font enumeration reports it.
struct FontFamilyInfo {
    QString name;
    int typeBits = FontTag::TrueType; // FontTag::Raster, Device, TrueType
    FontCharset charset = FontCharset::Ansi;
    bool fixedPitch = false;
};

// One entry of the chooser: the family name and its tag.
struct FontListEntry {
    QString name;
    int tag = 0;

    friend bool operator==(const FontListEntry &, const FontListEntry &) = default;
};

// The family of a font database name: "C059 [urw]" gives "C059". The font
// database adds the foundry in brackets when several foundries make a family
// of that name; the chooser lists the family once, and a font asked for by the
// family alone gets it from one of them.
QString familyWithoutFoundry(const QString &name);

bool fontOptionsAccept(FontOptions options, const FontFamilyInfo &family);
int fontTag(const FontFamilyInfo &family);

// The chooser's list from the families in the order they were reported:
// a name already listed (ignoring case) is skipped, a family no option accepts
// is left out, and the rest are sorted ignoring case.
QList<FontListEntry> buildFontList(const QList<FontFamilyInfo> &reported, FontOptions options);

// The first entry equal to `name` ignoring case, or -1.
int findFontEntry(const QList<FontListEntry> &entries, const QString &name);

} // namespace fonts
