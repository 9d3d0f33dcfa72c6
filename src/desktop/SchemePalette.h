// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "desktop/ColourScheme.h"

#include <QPalette>

#include <optional>

namespace desktop {

// Whether a palette draws light text on a dark window.
bool isDarkPalette(const QPalette &palette);

// The palette of `scheme` (Adwaita's light and dark colours).
QPalette schemePalette(ColourScheme scheme);

// The palette the program sets for `scheme` over the desktop's own: none
// when the desktop's palette already matches it or no scheme is asked for.
// Qt 6.4's GTK platform theme gives a light palette whatever the theme.
std::optional<QPalette> paletteForScheme(ColourScheme scheme, const QPalette &desktopPalette);

} // namespace desktop
