// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

class QPalette;

namespace statistics {

// The colours a chart is painted in, from the system palette so that it follows a light or a
// dark desktop: text readable on the background (4.5:1), bars that stand out from it (3:1).
struct ChartColours {
    QColor background;
    QColor text;
    QColor bar;
    QColor grid;
};

ChartColours chartColours(const QPalette &palette);

} // namespace statistics
