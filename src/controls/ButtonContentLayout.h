// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QSize>

namespace controls {

// Where a button's glyph sits relative to its caption.
enum class ButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct ButtonContent {
    QRect glyph;
    QRect caption;
};

// Places glyph and caption in `area`. `margin` is the distance of the glyph
// from its edge of the area, -1 to centre glyph and caption together;
// `spacing` the gap between them, -1 to spread them evenly. A missing glyph
// (empty size) leaves the caption centred. Perpendicular to the layout both are
// centred.
ButtonContent layoutButtonContent(QRect area, QSize glyph, QSize caption, ButtonLayout layout,
                                  int margin, int spacing);

} // namespace controls
