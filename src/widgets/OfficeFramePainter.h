// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/OfficeBorderStyle.h"
#include "widgets/SystemColors.h"

class QPainter;
class QRect;
class QColor;

namespace widgets {

// One-pixel ring on the edge of `rect`: the top and left lines in `topLeft`,
// the bottom and right lines (with the top-right and bottom-left corners) in
// `bottomRight`, the way three-dimensional edges are drawn.
void paintRing(QPainter &painter, const QRect &rect, const QColor &topLeft,
               const QColor &bottomRight);
void paintRing(QPainter &painter, const QRect &rect, const QColor &color);

// Draws `style` on the outer rings of `rect` (ring 0 on its edge, ring 1 one
// pixel inside); never fills the inside. Unknown styles draw nothing.
void paintOfficeFrame(QPainter &painter, const QRect &rect, OfficeBorderStyle style,
                      const SystemColors &colors);

// The frame of an entry box, memo or panel: both rings first cleared to the
// control's `background`, then `style` drawn on them.
void paintControlFrame(QPainter &painter, const QRect &rect, const QColor &background,
                       OfficeBorderStyle style, const SystemColors &colors);

// The dotted focus rectangle: every other pixel of the ring on `rect`'s edge.
void paintFocusDots(QPainter &painter, const QRect &rect, const QColor &color);

} // namespace widgets
