// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/FontFamilySource.h"

namespace controls {

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

} // namespace controls
