// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/ButtonContentLayout.h"

namespace controls {

namespace {

// Positions along the layout axis, measured from the glyph's side of the area.
struct AxisPlacement {
    int glyphStart;
    int captionStart;
};

AxisPlacement placeAlongAxis(int areaLength, int glyphLength, int captionLength, int margin,
                             int spacing)
{
    if (glyphLength == 0 || captionLength == 0)
        spacing = 0;
    if (margin < 0) {
        if (spacing < 0) {
            margin = (areaLength - glyphLength - captionLength) / 3;
            spacing = margin;
        } else {
            margin = (areaLength - glyphLength - spacing - captionLength) / 2;
        }
    } else if (spacing < 0) {
        spacing = (areaLength - margin - glyphLength - captionLength) / 2;
    }
    return {margin, margin + glyphLength + spacing};
}

} // namespace

ButtonContent layoutButtonContent(QRect area, QSize glyph, QSize caption, ButtonLayout layout,
                                  int margin, int spacing)
{
    if (glyph.isEmpty())
        glyph = QSize(0, 0);
    const bool horizontal =
        layout == ButtonLayout::blGlyphLeft || layout == ButtonLayout::blGlyphRight;
    const int areaLength = horizontal ? area.width() : area.height();
    const AxisPlacement along =
        placeAlongAxis(areaLength, horizontal ? glyph.width() : glyph.height(),
                       horizontal ? caption.width() : caption.height(), margin, spacing);

    ButtonContent content{QRect(QPoint(), glyph), QRect(QPoint(), caption)};
    auto centreAcross = [&](QRect &rect) {
        if (horizontal)
            rect.moveTop(area.top() + (area.height() - rect.height()) / 2);
        else
            rect.moveLeft(area.left() + (area.width() - rect.width()) / 2);
    };
    centreAcross(content.glyph);
    centreAcross(content.caption);
    switch (layout) {
    case ButtonLayout::blGlyphLeft:
        content.glyph.moveLeft(area.left() + along.glyphStart);
        content.caption.moveLeft(area.left() + along.captionStart);
        break;
    case ButtonLayout::blGlyphRight:
        content.glyph.moveRight(area.right() - along.glyphStart);
        content.caption.moveRight(area.right() - along.captionStart);
        break;
    case ButtonLayout::blGlyphTop:
        content.glyph.moveTop(area.top() + along.glyphStart);
        content.caption.moveTop(area.top() + along.captionStart);
        break;
    case ButtonLayout::blGlyphBottom:
        content.glyph.moveBottom(area.bottom() - along.glyphStart);
        content.caption.moveBottom(area.bottom() - along.captionStart);
        break;
    }
    return content;
}

} // namespace controls
