// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/SystemColors.h"

#include <QPalette>

namespace widgets {

SystemColors systemColors(const QPalette &palette)
{
    SystemColors colors;
    colors.buttonFace = palette.color(QPalette::Button);
    colors.buttonText = palette.color(QPalette::ButtonText);
    colors.window = palette.color(QPalette::Base);
    colors.litEdge = palette.color(QPalette::Light);
    colors.light = palette.color(QPalette::Midlight);
    colors.shadow = palette.color(QPalette::Dark);
    colors.darkShadow = palette.color(QPalette::Shadow);
    // Qt has no window-frame role; the frame is drawn in the text colour
    // (black in the standard palettes, as the window frame is).
    colors.windowFrame = palette.color(QPalette::WindowText);
    colors.windowText = palette.color(QPalette::WindowText);
    return colors;
}

} // namespace widgets
