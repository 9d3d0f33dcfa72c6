// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/SystemColors.h"

class QPainter;
class QRect;

namespace lists {

struct DropDownButtonState {
    bool flat = true;
    bool dropped = false;       // the list is open
    bool pointerInside = false; // over the whole control
    bool enabled = true;
};

// The self-drawn drop-down button of a flat combo box: button face, the edge
// for its state, and the arrow centred in it.
void paintDropDownButton(QPainter &painter, const QRect &button, const DropDownButtonState &state,
                         const widgets::SystemColors &colors);

// The arrow: a downward triangle 5 pixels wide and 3 high, centred in `button`;
// disabled, grey over a white copy one pixel lower and to the right.
void paintDropDownArrow(QPainter &painter, const QRect &button, bool enabled,
                        const widgets::SystemColors &colors);

} // namespace lists
