// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Helpers for the control tests: a palette whose system colours all differ,
// so every painted ring can be told apart, and pixel access to a grab.

#include "widgets/SystemColors.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QWidget>

namespace controltest {

inline QPalette distinctPalette()
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Button, QColor(192, 192, 192)); // button face
    palette.setColor(QPalette::ButtonText, QColor(0, 0, 128));
    palette.setColor(QPalette::Base, QColor(255, 255, 224));     // window (fields)
    palette.setColor(QPalette::Light, QColor(255, 255, 255));    // lit edge
    palette.setColor(QPalette::Midlight, QColor(224, 224, 224)); // light
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));     // shadow
    palette.setColor(QPalette::Shadow, QColor(64, 64, 64));      // dark shadow
    palette.setColor(QPalette::WindowText, QColor(0, 0, 0));     // window frame, text
    palette.setColor(QPalette::Window, QColor(40, 140, 40));     // panels' own colour
    palette.setColor(QPalette::Text, QColor(10, 10, 10));
    return palette;
}

inline widgets::SystemColors distinctColors()
{
    return widgets::systemColors(distinctPalette());
}

inline QColor pixel(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

// The widget as it paints itself now.
inline QImage grabbed(QWidget *widget)
{
    return widget->grab().toImage();
}

} // namespace controltest
