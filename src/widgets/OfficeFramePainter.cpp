// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/OfficeFramePainter.h"

#include <QPainter>

#include <array>

namespace widgets {

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

namespace {

// One ring of a frame: its top and left edges in one system colour, its
// bottom and right edges in another; no colours, no ring.
using Colour = QColor SystemColors::*;
struct Ring {
    Colour topLeft = nullptr;
    Colour bottomRight = nullptr;
};
// Ring 0 on the frame's edge, ring 1 one pixel inside.
struct FrameRings {
    Ring outer;
    Ring inner;
};

constexpr Colour Face = &SystemColors::buttonFace;
constexpr Colour Lit = &SystemColors::litEdge;
constexpr Colour Light = &SystemColors::light;
constexpr Colour Shadow = &SystemColors::shadow;
constexpr Colour Dark = &SystemColors::darkShadow;
constexpr Colour Frame = &SystemColors::windowFrame;

// By style, in the styles' stored order.
constexpr std::array<FrameRings, 12> StyleRings = {{
    {},                                 // None
    {{Shadow, Shadow}, {}},             // Flat
    {{Frame, Frame}, {}},               // Single
    {{Face, Face}, {Face, Face}},       // Solid
    {{Shadow, Lit}, {Lit, Shadow}},     // Etched
    {{Lit, Shadow}, {Shadow, Lit}},     // Bump
    {{Shadow, Lit}, {Dark, Light}},     // Sunken
    {{Light, Dark}, {Lit, Shadow}},     // Raised
    {{Frame, Frame}, {Shadow, Shadow}}, // Down
    {{Lit, Frame}, {Face, Shadow}},     // Up
    {{Lit, Shadow}, {Face, Face}},      // OuterRaised
    {{Shadow, Lit}, {Face, Face}},      // OuterSunken
}};

void paintStyleRing(QPainter &painter, const QRect &rect, const Ring &ring,
                    const SystemColors &colors)
{
    if (ring.topLeft)
        paintRing(painter, rect, colors.*ring.topLeft, colors.*ring.bottomRight);
}

} // namespace

void paintOfficeFrame(QPainter &painter, const QRect &rect, OfficeBorderStyle style,
                      const SystemColors &colors)
{
    const auto index = std::size_t(style);
    if (index >= StyleRings.size())
        return;
    paintStyleRing(painter, rect, StyleRings[index].outer, colors);
    paintStyleRing(painter, rect.adjusted(1, 1, -1, -1), StyleRings[index].inner, colors);
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

} // namespace widgets
