// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/ColourScheme.h"
#include "appearance/Contrast.h"
#include "desktop/SchemePalette.h"
#include "desktop/XSettings.h"

#include <QtEndian>
#include <gtest/gtest.h>

using desktop::ColourScheme;

namespace {

// Scheme rules: what a theme name, a portal value and both together stand for.
TEST(ColourScheme, ThemeNamesAndPortalValues)
{
    const std::pair<const char *, ColourScheme> names[] = {
        {"Adwaita", ColourScheme::Light},     {"Adwaita-dark", ColourScheme::Dark},
        {"Adwaita:dark", ColourScheme::Dark}, {"Arc-Dark", ColourScheme::Dark},
        {"Darkly", ColourScheme::Light},      {"HighContrastInverse", ColourScheme::Dark},
        {"", ColourScheme::NoPreference}};
    for (const auto &[name, scheme] : names)
        EXPECT_EQ(desktop::schemeOfThemeName(QString::fromLatin1(name)), scheme) << name;
    const ColourScheme values[] = {ColourScheme::NoPreference, ColourScheme::Dark,
                                   ColourScheme::Light, ColourScheme::NoPreference};
    for (uint value = 0; value < 4; ++value)
        EXPECT_EQ(desktop::schemeOfPortalValue(value), values[value]) << value;
    // The portal's explicit choice first; no preference leaves it to the theme name.
    EXPECT_EQ(desktop::followedScheme(ColourScheme::Light, ColourScheme::Dark),
              ColourScheme::Light);
    EXPECT_EQ(desktop::followedScheme(ColourScheme::NoPreference, ColourScheme::Dark),
              ColourScheme::Dark);
}

// A palette is set only against the desktop's own, and its texts read well.
TEST(ColourScheme, PaletteOnlyWhereTheDesktopsDiffers)
{
    const QPalette light = desktop::schemePalette(ColourScheme::Light);
    const QPalette dark = desktop::schemePalette(ColourScheme::Dark);
    EXPECT_FALSE(desktop::paletteForScheme(ColourScheme::NoPreference, dark));
    EXPECT_FALSE(desktop::paletteForScheme(ColourScheme::Dark, dark));
    EXPECT_TRUE(desktop::isDarkPalette(*desktop::paletteForScheme(ColourScheme::Dark, light)));
    EXPECT_FALSE(desktop::isDarkPalette(*desktop::paletteForScheme(ColourScheme::Light, dark)));
    for (const QPalette &palette : {light, dark})
        for (auto [text, ground] : {std::pair(QPalette::WindowText, QPalette::Window),
                                    {QPalette::Text, QPalette::Base},
                                    {QPalette::ButtonText, QPalette::Button},
                                    {QPalette::HighlightedText, QPalette::Highlight}})
            EXPECT_GE(appearance::contrastRatio(palette.color(text), palette.color(ground)), 4.5);
}

// An _XSETTINGS_SETTINGS property in either byte order: an integer, a colour, then the string.
QByteArray xsettingsProperty(bool bigEndian, const QByteArray &themeName)
{
    QByteArray data(1, bigEndian ? '\1' : '\0');
    const auto card = [&](quint32 value, int size) {
        char bytes[4];
        bigEndian ? qToBigEndian(value, bytes) : qToLittleEndian(value, bytes);
        data.append(bytes + (bigEndian ? 4 - size : 0), size);
    };
    const auto text = [&](const QByteArray &value, int lengthSize) {
        card(quint32(value.size()), lengthSize);
        data.append(value).append((4 - value.size() % 4) % 4, '\0');
    };
    data.append(3, '\0');
    card(7, 4); // serial
    card(3, 4); // settings
    data.append("\0\0", 2), text("Net/CursorBlinkTime", 2), card(0, 4), card(1200, 4);
    data.append("\2\0", 2), text("Gtk/Colour", 2), card(0, 4), data.append(8, '\0');
    data.append("\1\0", 2), text("Net/ThemeName", 2), card(4, 4), text(themeName, 4);
    return data;
}

TEST(ColourScheme, XSettingsThemeName)
{
    for (bool bigEndian : {false, true}) {
        const QByteArray property = xsettingsProperty(bigEndian, "Adwaita-dark");
        EXPECT_EQ(desktop::xsettingsString(property, "Net/ThemeName"), u"Adwaita-dark");
        EXPECT_FALSE(desktop::xsettingsString(property, "Net/IconThemeName"));
        EXPECT_FALSE(desktop::xsettingsString(property, "Net/CursorBlinkTime")); // an integer
        for (qsizetype cut = 0; cut < property.size(); ++cut) // a short read, never past its end
            EXPECT_FALSE(desktop::xsettingsString(property.left(cut), "Net/ThemeName")) << cut;
    }
}

} // namespace
