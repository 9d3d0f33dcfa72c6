// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Open typefaces that stand in for the window's design typefaces, which most
// Linux desktops lack. The program keeps asking for the design names; Qt tries
// a family's substitutes, in order, only when the family itself is missing.
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

} // namespace appearance
