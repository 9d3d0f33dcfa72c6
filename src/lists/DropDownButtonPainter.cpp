// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/DropDownButtonPainter.h"

#include "widgets/OfficeFramePainter.h"

#include <QPainter>

namespace lists {

namespace {

constexpr int ArrowWidth = 5;
constexpr int ArrowHeight = 3;

void paintTriangle(QPainter &painter, int left, int top, const QColor &color)
{
    for (int row = 0; row < ArrowHeight; ++row)
        painter.fillRect(QRect(left + row, top + row, ArrowWidth - 2 * row, 1), color);
}

} // namespace

void paintDropDownArrow(QPainter &painter, const QRect &button, bool enabled,
                        const widgets::SystemColors &colors)
{
    const int left = button.left() + (button.width() - ArrowWidth) / 2;
    const int top = button.top() + (button.height() - ArrowHeight) / 2;
    if (enabled) {
        paintTriangle(painter, left, top, colors.buttonText);
        return;
    }
    paintTriangle(painter, left + 1, top + 1, QColor(255, 255, 255));
    paintTriangle(painter, left, top, QColor(128, 128, 128));
}

void paintDropDownButton(QPainter &painter, const QRect &button, const DropDownButtonState &state,
                         const widgets::SystemColors &colors)
{
    painter.fillRect(button, colors.buttonFace);
    if (!state.flat) {
        widgets::paintRing(painter, button, colors.windowFrame);
        if (!state.dropped)
            widgets::paintRing(painter, button.adjusted(1, 1, -1, -1), colors.litEdge,
                               colors.shadow);
    } else if (state.dropped) {
        widgets::paintRing(painter, button, colors.windowFrame); // the pressed look
    } else if (state.pointerInside) {
        widgets::paintOfficeFrame(painter, button, widgets::OfficeBorderStyle::Raised, colors);
    } else {
        widgets::paintOfficeFrame(painter, button, widgets::OfficeBorderStyle::OuterRaised, colors);
    }
    paintDropDownArrow(painter, button, state.enabled, colors);
}

} // namespace lists
