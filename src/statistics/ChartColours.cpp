// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statistics/ChartColours.h"

#include "appearance/Contrast.h"

#include <QPalette>

namespace statistics {

namespace {

QColor blend(const QColor &a, const QColor &b, double share)
{
    return QColor::fromRgbF(float(a.redF() * (1 - share) + b.redF() * share),
                            float(a.greenF() * (1 - share) + b.greenF() * share),
                            float(a.blueF() * (1 - share) + b.blueF() * share));
}

} // namespace

ChartColours chartColours(const QPalette &palette)
{
    ChartColours colours;
    colours.background = palette.color(QPalette::Base);
    colours.text = appearance::readableOn(colours.background, palette.color(QPalette::Text));
    // The selection colour marks bars in most themes; one too close to the background (a pale
    // highlight on white) is darkened or lightened until the bars show.
    colours.bar = appearance::readableOn(colours.background, palette.color(QPalette::Highlight),
                                         appearance::LargeTextContrast);
    colours.grid = blend(colours.background, colours.text, 0.35);
    return colours;
}

} // namespace statistics
