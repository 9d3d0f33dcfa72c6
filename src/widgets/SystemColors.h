// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

class QPalette;

namespace widgets {

// The platform's system colours the frames are drawn with, taken from a
// palette. This is the one place that says which palette role plays which
// system colour.
struct SystemColors {
    QColor buttonFace;  // face of buttons and of the window's background
    QColor buttonText;  // captions and the drop-down arrow
    QColor window;      // background of entry fields
    QColor litEdge;     // lit edge of a raised surface (Light; the "3-D highlight")
    QColor light;       // the softer lit edge, second ring of a sunken edge
    QColor shadow;      // shaded edge ("button shadow")
    QColor darkShadow;  // the darker shade, second ring of a sunken edge
    QColor windowFrame; // thin outlines and the focused button's ring
    QColor windowText;  // text and the dots of the focus rectangle
};

SystemColors systemColors(const QPalette &palette);

} // namespace widgets
