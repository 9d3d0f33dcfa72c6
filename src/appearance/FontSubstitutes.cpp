// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appearance/FontSubstitutes.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>

namespace appearance {

// The first substitute of each comes from the font packages listed under
// "lettering" in scripts/debian-packages.txt; the later ones are fallbacks
// most Linux desktops already have.
const std::vector<TypefaceSubstitutes> &designTypefaceSubstitutes()
{
    static const std::vector<TypefaceSubstitutes> table{
        // A grotesque sans at medium weight (fonts-roboto-unhinted). A family
        // of its own, so a request at normal weight gets the medium face.
        {QStringLiteral("Franklin Gothic Medium"),
         {QStringLiteral("Roboto Medium"), QStringLiteral("Liberation Sans"),
          QStringLiteral("DejaVu Sans")}},
        // A monospace drawn after the design one (fonts-inconsolata).
        {QStringLiteral("Consolas"),
         {QStringLiteral("Inconsolata"), QStringLiteral("DejaVu Sans Mono"),
          QStringLiteral("Liberation Mono")}},
        // A heavy, soft old-style serif for display (fonts-vollkorn).
        {QStringLiteral("Cooper Black"),
         {QStringLiteral("Vollkorn Black"), QStringLiteral("DejaVu Serif")}},
        // A narrow sans with the same widths as the design one (fonts-liberation).
        {QStringLiteral("Arial Narrow"),
         {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")}},
    };
    return table;
}

void registerFontSubstitutes()
{
    // Qt adds only the names not yet listed, so a second call changes nothing.
    for (const TypefaceSubstitutes &entry : designTypefaceSubstitutes())
        QFont::insertSubstitutions(entry.designFamily, entry.substitutes);
}

namespace {

QString installedSpelling(const QStringList &installed, const QString &family)
{
    for (const QString &name : installed) {
        if (name.compare(family, Qt::CaseInsensitive) == 0)
            return name;
    }
    return {};
}

QHash<QString, QString> resolveDesignTypefaces()
{
    const QStringList installed = QFontDatabase::families();
    QHash<QString, QString> resolved;
    for (const TypefaceSubstitutes &entry : designTypefaceSubstitutes())
        resolved.insert(entry.designFamily, installedTypeface(installed, entry.designFamily));
    return resolved;
}

} // namespace

QString installedTypeface(const QStringList &installedFamilies, const QString &family)
{
    for (const TypefaceSubstitutes &entry : designTypefaceSubstitutes()) {
        if (entry.designFamily != family)
            continue;
        QString drawnIn = installedSpelling(installedFamilies, family);
        for (const QString &substitute : entry.substitutes) {
            if (!drawnIn.isEmpty())
                break;
            drawnIn = installedSpelling(installedFamilies, substitute);
        }
        return drawnIn.isEmpty() ? family : drawnIn;
    }
    return family;
}

QString installedTypeface(const QString &family)
{
    static const QHash<QString, QString> resolved = resolveDesignTypefaces();
    return resolved.value(family, family);
}

} // namespace appearance
