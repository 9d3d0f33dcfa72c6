// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPalette>

// Readable text: the WCAG 2 contrast measure, and text colours chosen to reach
// it on backgrounds the window's design fixes (the green and beige panels, the
// wrong-answer orange) whatever the desktop's palette.
namespace appearance {

// The contrast normal text needs: 4.5:1. Text of 24 px or more needs 3:1.
constexpr double NormalTextContrast = 4.5;
constexpr double LargeTextContrast = 3.0;
constexpr int LargeTextPixels = 24;

double requiredContrast(int textPixels);

// Relative luminance of an sRGB colour: 0 for black to 1 for white.
double relativeLuminance(const QColor &color);

// (lighter + 0.05) / (darker + 0.05): 1 for equal colours to 21 for black on white.
double contrastRatio(const QColor &a, const QColor &b);

// A designed text colour made readable on `background`: `preferred` itself
// when it reaches `minimum`; otherwise, for a grey (black and white included),
// black or white, whichever contrasts more; for a colour, the first on the way
// from it to that extreme that reaches `minimum`, so a red stays as red as it can.
QColor readableOn(const QColor &background, const QColor &preferred,
                  double minimum = NormalTextContrast);

// The palette with the text roles drawn on `backgroundRole` (Text on Base;
// WindowText and ButtonText on Window and Button) made readable on it, in the
// active and inactive groups. Disabled text keeps its muted colour.
QPalette withReadableText(QPalette palette, QPalette::ColorRole backgroundRole);

} // namespace appearance
