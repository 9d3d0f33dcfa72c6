// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Open typefaces that stand in for the window's design typefaces, which most
// Linux desktops (and Wine) lack; Windows has them, and there they stay. The window's controls ask
// for the family a design name resolves to on this machine (installedTypeface); the substitutes are
// also registered with Qt for anything that asks for a design name itself.
namespace appearance {

struct TypefaceSubstitutes {
    QString designFamily;
    QStringList substitutes; // best first; each of the same kind as the design
};

// "Franklin Gothic Medium", "Consolas", "Cooper Black" and "Arial Narrow"
// with their substitutes.
const std::vector<TypefaceSubstitutes> &designTypefaceSubstitutes();

// Registers the substitutes with QFont. Call after the application object is
// created and before the window is built; calling it again changes nothing.
void registerFontSubstitutes();

// The installed family that draws `family`: a design typeface itself where it
// is installed, else its first installed substitute; any other name, or a
// design typeface with nothing installed for it, unchanged. Asking Qt for a
// missing family costs a fontconfig fallback search per family, 0.5 ms or
// more at start-up, even when a substitute is found. Resolved once per
// process, so call only once the application object exists.
QString installedTypeface(const QString &family);

// The same choice among the given installed families (as Qt spells them).
QString installedTypeface(const QStringList &installedFamilies, const QString &family);

} // namespace appearance
