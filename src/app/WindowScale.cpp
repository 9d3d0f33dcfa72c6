// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/WindowScale.h"

#include <algorithm>
#include <cmath>

namespace app {

namespace {
// However small the screen, the window keeps a tenth of its size.
constexpr double SmallestScale = 0.1;
} // namespace

double windowScale(QSize available, QSize design, QSize frame)
{
    if (available.isEmpty() || design.isEmpty())
        return 1.0;
    const double across = double(available.width() - frame.width()) / design.width();
    const double down = double(available.height() - frame.height()) / design.height();
    return std::clamp(std::min(across, down), SmallestScale, 1.0);
}

int scaledPixels(int designed, double scale)
{
    return int(std::lround(designed * scale));
}

QPoint scaled(QPoint designed, double scale)
{
    return {scaledPixels(designed.x(), scale), scaledPixels(designed.y(), scale)};
}

QRect scaled(const QRect &designed, double scale)
{
    const QPoint topLeft = scaled(designed.topLeft(), scale);
    const QPoint end =
        scaled(designed.topLeft() + QPoint(designed.width(), designed.height()), scale);
    return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

} // namespace app
