// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/ColourScheme.h"

namespace desktop {

ColourScheme schemeOfThemeName(const QString &themeName)
{
    const QString name = themeName.trimmed();
    if (name.isEmpty())
        return ColourScheme::NoPreference;
    // "Adwaita-dark", "Yaru-dark", "Arc-Dark", "Adwaita:dark"; not "Darkly-light".
    const bool dark = name.endsWith(QLatin1String("-dark"), Qt::CaseInsensitive) ||
                      name.endsWith(QLatin1String(":dark"), Qt::CaseInsensitive) ||
                      name.compare(QLatin1String("HighContrastInverse"), Qt::CaseInsensitive) == 0;
    return dark ? ColourScheme::Dark : ColourScheme::Light;
}

ColourScheme schemeOfPortalValue(uint value)
{
    switch (value) {
    case 1:
        return ColourScheme::Dark;
    case 2:
        return ColourScheme::Light;
    default:
        return ColourScheme::NoPreference;
    }
}

ColourScheme followedScheme(ColourScheme portal, ColourScheme themeName)
{
    return portal != ColourScheme::NoPreference ? portal : themeName;
}

} // namespace desktop
