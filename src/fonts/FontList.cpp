// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts/FontList.h"

#include <QSet>

#include <algorithm>

namespace fonts {

QString familyWithoutFoundry(const QString &name)
{
    if (!name.endsWith(QLatin1Char(']')))
        return name;
    const qsizetype bracket = name.lastIndexOf(QLatin1String(" ["));
    return bracket > 0 ? name.left(bracket) : name;
}

bool fontOptionsAccept(FontOptions options, const FontFamilyInfo &family)
{
    const FontCharset set = family.charset;
    return (options.testFlag(foAnsi) && set == FontCharset::Ansi) ||
           (options.testFlag(foFixed) && family.fixedPitch) ||
           (options.testFlag(foNoSymbol) && set != FontCharset::Symbol) ||
           (options.testFlag(foNonOEM) && set != FontCharset::Oem) ||
           (options.testFlag(foOEMFont) && set == FontCharset::Oem) ||
           (options.testFlag(foScalable) && !(family.typeBits & FontTag::Raster)) ||
           (options.testFlag(foTrueType) && (family.typeBits & FontTag::TrueType));
}

int fontTag(const FontFamilyInfo &family)
{
    const int typeBits = family.typeBits & (FontTag::Raster | FontTag::Device | FontTag::TrueType);
    return typeBits + (family.charset == FontCharset::Symbol ? 0 : FontTag::NotSymbol);
}

int findFontEntry(const QList<FontListEntry> &entries, const QString &name)
{
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

QList<FontListEntry> buildFontList(const QList<FontFamilyInfo> &reported, FontOptions options)
{
    QList<FontListEntry> entries;
    QSet<QString> listed; // case-folded names already in `entries`
    for (const FontFamilyInfo &family : reported) {
        const QString folded = family.name.toCaseFolded();
        if (family.name.isEmpty() || listed.contains(folded))
            continue;
        if (fontOptionsAccept(options, family)) {
            entries.append({family.name, fontTag(family)});
            listed.insert(folded);
        }
    }
    // Names differing only in case cannot both be listed, so this order is total.
    std::sort(entries.begin(), entries.end(), [](const FontListEntry &a, const FontListEntry &b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return entries;
}

} // namespace fonts
