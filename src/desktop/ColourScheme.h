// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace desktop {

// The colours a desktop asks its programs for.
enum class ColourScheme { NoPreference, Light, Dark };

// The scheme a GTK theme name stands for: "Adwaita-dark" and "Adwaita:dark"
// (GTK's variant syntax) are dark, any other named theme light, no name none.
ColourScheme schemeOfThemeName(const QString &themeName);

// The desktop portal's org.freedesktop.appearance color-scheme: 1 dark,
// 2 light, 0 (and anything unknown) no preference.
ColourScheme schemeOfPortalValue(uint value);

// The scheme to follow: the portal's explicit choice first (GNOME 42 and
// later switch it alone), else the theme name's.
ColourScheme followedScheme(ColourScheme portal, ColourScheme themeName);

} // namespace desktop
