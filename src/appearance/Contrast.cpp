// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appearance/Contrast.h"

#include <cmath>

namespace appearance {

namespace {

double linearChannel(double channel)
{
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

QColor mixed(const QColor &from, const QColor &to, int step, int steps)
{
    auto channel = [&](int a, int b) { return a + (b - a) * step / steps; };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

} // namespace

double requiredContrast(int textPixels)
{
    return textPixels >= LargeTextPixels ? LargeTextContrast : NormalTextContrast;
}

double relativeLuminance(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * linearChannel(rgb.redF()) + 0.7152 * linearChannel(rgb.greenF()) +
           0.0722 * linearChannel(rgb.blueF());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor readableOn(const QColor &background, const QColor &preferred, double minimum)
{
    const QColor wanted = preferred.toRgb();
    if (contrastRatio(wanted, background) >= minimum)
        return wanted;
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor extreme =
        contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
    const bool grey = wanted.red() == wanted.green() && wanted.green() == wanted.blue();
    if (grey) // a grey on the way would look disabled
        return extreme;
    // Every background reaches 4.58:1 with black or white, so a step is found
    // for any minimum up to that.
    constexpr int Steps = 255;
    for (int step = 1; step < Steps; ++step) {
        const QColor candidate = mixed(wanted, extreme, step, Steps);
        if (contrastRatio(candidate, background) >= minimum)
            return candidate;
    }
    return extreme;
}

QPalette withReadableText(QPalette palette, QPalette::ColorRole backgroundRole)
{
    const QList<QPalette::ColorRole> textRoles =
        backgroundRole == QPalette::Base
            ? QList<QPalette::ColorRole>{QPalette::Text}
            : QList<QPalette::ColorRole>{QPalette::WindowText, QPalette::ButtonText};
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor background = palette.color(group, backgroundRole);
        for (const QPalette::ColorRole role : textRoles) {
            // Only a changed role is set, so the others keep following the desktop.
            const QColor current = palette.color(group, role);
            const QColor readable = readableOn(background, current);
            if (readable != current)
                palette.setColor(group, role, readable);
        }
    }
    return palette;
}

} // namespace appearance
