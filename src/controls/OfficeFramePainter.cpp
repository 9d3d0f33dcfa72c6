// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/OfficeFramePainter.h"

#include <QPainter>

namespace controls {

void paintRing(QPainter &painter, const QRect &rect, const QColor &topLeft,
               const QColor &bottomRight)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const int l = rect.left(), t = rect.top(), w = rect.width(), h = rect.height();
    painter.fillRect(QRect(l, t, w - 1, 1), topLeft);
    painter.fillRect(QRect(l, t, 1, h - 1), topLeft);
    painter.fillRect(QRect(l, rect.bottom(), w, 1), bottomRight);
    painter.fillRect(QRect(rect.right(), t, 1, h), bottomRight);
}

void paintRing(QPainter &painter, const QRect &rect, const QColor &color)
{
    paintRing(painter, rect, color, color);
}

void paintOfficeFrame(QPainter &painter, const QRect &rect, OfficeBorderStyle style,
                      const SystemColors &c)
{
    const QRect ring0 = rect;
    const QRect ring1 = rect.adjusted(1, 1, -1, -1);
    using S = OfficeBorderStyle;
    switch (style) {
    case S::None:
        break;
    case S::Flat:
        paintRing(painter, ring0, c.shadow);
        break;
    case S::Single:
        paintRing(painter, ring0, c.windowFrame);
        break;
    case S::Solid:
        paintRing(painter, ring0, c.buttonFace);
        paintRing(painter, ring1, c.buttonFace);
        break;
    case S::Etched:
        paintRing(painter, ring0, c.shadow, c.litEdge);
        paintRing(painter, ring1, c.litEdge, c.shadow);
        break;
    case S::Bump:
        paintRing(painter, ring0, c.litEdge, c.shadow);
        paintRing(painter, ring1, c.shadow, c.litEdge);
        break;
    case S::Sunken:
        paintRing(painter, ring0, c.shadow, c.litEdge);
        paintRing(painter, ring1, c.darkShadow, c.light);
        break;
    case S::Raised:
        paintRing(painter, ring0, c.light, c.darkShadow);
        paintRing(painter, ring1, c.litEdge, c.shadow);
        break;
    case S::Down:
        paintRing(painter, ring0, c.windowFrame);
        paintRing(painter, ring1, c.shadow);
        break;
    case S::Up:
        paintRing(painter, ring0, c.litEdge, c.windowFrame);
        paintRing(painter, ring1, c.buttonFace, c.shadow);
        break;
    case S::OuterRaised:
        paintRing(painter, ring0, c.litEdge, c.shadow);
        paintRing(painter, ring1, c.buttonFace);
        break;
    case S::OuterSunken:
        paintRing(painter, ring0, c.shadow, c.litEdge);
        paintRing(painter, ring1, c.buttonFace);
        break;
    }
}

void paintControlFrame(QPainter &painter, const QRect &rect, const QColor &background,
                       OfficeBorderStyle style, const SystemColors &colors)
{
    paintRing(painter, rect, background);
    paintRing(painter, rect.adjusted(1, 1, -1, -1), background);
    paintOfficeFrame(painter, rect, style, colors);
}

void paintFocusDots(QPainter &painter, const QRect &rect, const QColor &color)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    painter.save();
    painter.setPen(color);
    painter.setRenderHint(QPainter::Antialiasing, false);
    auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0)
            painter.drawPoint(x, y);
    };
    for (int x = rect.left(); x <= rect.right(); ++x) {
        dot(x, rect.top());
        dot(x, rect.bottom());
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        dot(rect.left(), y);
        dot(rect.right(), y);
    }
    painter.restore();
}

} // namespace controls
