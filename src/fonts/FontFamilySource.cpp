// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts/FontFamilySource.h"

#include "fonts/FontGlyphNames.h"

#include <QRawFont>

namespace fonts {

FontCharset charsetOfWritingSystems(const QList<QFontDatabase::WritingSystem> &systems)
{
    if (systems.contains(QFontDatabase::Symbol))
        return FontCharset::Symbol;
    const bool writesText = std::any_of(systems.begin(), systems.end(), [](auto system) {
        return system != QFontDatabase::Any && system != QFontDatabase::Other;
    });
    if (!writesText)
        return FontCharset::Symbol;
    return systems.contains(QFontDatabase::Latin) ? FontCharset::Ansi : FontCharset::Other;
}

FontFamilyInfo describeFontFamily(const QString &family)
{
    FontFamilyInfo info;
    info.name = family;
    info.typeBits = QFontDatabase::isSmoothlyScalable(family) ? FontTag::TrueType : FontTag::Raster;
    info.fixedPitch = QFontDatabase::isFixedPitch(family);
    info.charset = charsetOfWritingSystems(QFontDatabase::writingSystems(family));
    return info;
}

QList<FontFamilyInfo> installedFontFamilies(FontDevice device)
{
    QList<FontFamilyInfo> screen;
    for (const QString &name : QFontDatabase::families()) {
        if (QFontDatabase::isPrivateFamily(name))
            continue;
        // A family made by several foundries comes once per foundry; the
        // chooser's list keeps the first.
        screen.append(describeFontFamily(familyWithoutFoundry(name)));
    }
    if (device == fdBoth)
        return screen + screen;
    return screen;
}

bool familyDrawsLetters(const QString &family, const QString &text)
{
    QString letters;
    for (QChar c : text) {
        if (c.unicode() < 128 && c.isLetterOrNumber())
            letters.append(c);
    }
    QFont font;
    font.setFamilies({family});
    const QRawFont raw = QRawFont::fromFont(font);
    if (letters.isEmpty() || !raw.isValid())
        return true; // nothing to tell by
    const QList<quint32> glyphs = raw.glyphIndexesForString(letters);
    if (glyphs.size() != letters.size())
        return true;
    // OpenType fonts with PostScript outlines name their glyphs in the CFF table,
    // TrueType fonts in the post table; other fonts give no names to go by.
    const QByteArray cff = raw.fontTable("CFF ");
    const QByteArray post = cff.isEmpty() ? raw.fontTable("post") : QByteArray();
    for (qsizetype i = 0; i < letters.size(); ++i) {
        if (glyphs.at(i) == 0)
            return false; // missing: another typeface would draw it
        const QString name =
            cff.isEmpty() ? postGlyphName(post, glyphs.at(i)) : cffGlyphName(cff, glyphs.at(i));
        if (!name.isEmpty() && !glyphNameDraws(name, letters.at(i)))
            return false;
    }
    return true;
}

} // namespace fonts
