// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace app {

// Room kept around the window for the window manager's frame, its borders and
// title bar, in the screen's logical pixels: what the frame takes is known only
// once the window is on the screen, and the frame must fit as well.
inline constexpr QSize FrameAllowance{16, 48};

// The one factor the whole design is drawn at on a screen whose available area
// (logical pixels, after the desktop's scaling) is `available`: 1 wherever the
// designed window and its frame fit, else the largest that makes them fit. The
// design is never drawn larger. An unknown area (empty) leaves it as designed.
double windowScale(QSize available, QSize design, QSize frame = FrameAllowance);

// A designed length, place or rectangle at `scale`. A rectangle's edges are
// scaled, not its size, so controls that meet or line up in the design still
// do; at scale 1 each is the designed value itself.
int scaledPixels(int designed, double scale);
QPoint scaled(QPoint designed, double scale);
QRect scaled(const QRect &designed, double scale);

} // namespace app
