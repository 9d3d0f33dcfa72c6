// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/SchemePalette.h"

#include <array>

namespace desktop {

namespace {

struct RoleColours {
    QPalette::ColorRole role;
    QRgb light;
    QRgb dark;
};

// Adwaita's colours, light and dark, with pure black or white text: a text colour the window
// must darken on its fixed panels then turns black at once, not a dim grey.
// Disabled text is drawn in the placeholder's grey.
constexpr std::array<RoleColours, 17> SchemeColours{{
    {QPalette::Window, 0xf6f5f4, 0x353535},
    {QPalette::WindowText, 0x000000, 0xffffff},
    {QPalette::Base, 0xffffff, 0x2d2d2d},
    {QPalette::AlternateBase, 0xf1f0ee, 0x353535},
    {QPalette::Text, 0x000000, 0xffffff},
    {QPalette::PlaceholderText, 0x8a8a8a, 0x9a9996},
    {QPalette::Button, 0xf6f5f4, 0x454545},
    {QPalette::ButtonText, 0x000000, 0xffffff},
    {QPalette::BrightText, 0xffffff, 0xffffff},
    {QPalette::Light, 0xffffff, 0x5a5a5a},
    {QPalette::Midlight, 0xeae8e6, 0x454545},
    {QPalette::Mid, 0xcdc7c2, 0x808080},
    {QPalette::Dark, 0xa09a93, 0x1b1b1b},
    {QPalette::Shadow, 0x767270, 0x000000},
    {QPalette::Highlight, 0x1a5fb4, 0x15539e},
    {QPalette::HighlightedText, 0xffffff, 0xffffff},
    {QPalette::ToolTipBase, 0xfdfdfc, 0x2d2d2d},
}};

} // namespace

bool isDarkPalette(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

QPalette schemePalette(ColourScheme scheme)
{
    const bool dark = scheme == ColourScheme::Dark;
    QPalette palette;
    for (const RoleColours &colours : SchemeColours)
        palette.setColor(colours.role, QColor::fromRgb(dark ? colours.dark : colours.light));
    palette.setColor(QPalette::ToolTipText, palette.color(QPalette::WindowText));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, palette.color(QPalette::PlaceholderText));
    return palette;
}

std::optional<QPalette> paletteForScheme(ColourScheme scheme, const QPalette &desktopPalette)
{
    if (scheme == ColourScheme::NoPreference ||
        isDarkPalette(desktopPalette) == (scheme == ColourScheme::Dark))
        return std::nullopt;
    return schemePalette(scheme);
}

} // namespace desktop
