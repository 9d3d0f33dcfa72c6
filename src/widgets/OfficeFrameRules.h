// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/OfficeBorderStyle.h"

namespace widgets {

// The frame styles an office-style control chooses among, by state.
struct OfficeFrameStyles {
    OfficeBorderStyle normal = OfficeBorderStyle::Sunken;       // Flat off
    OfficeBorderStyle flat = OfficeBorderStyle::Solid;          // Flat on, at rest
    OfficeBorderStyle focused = OfficeBorderStyle::OuterSunken; // focus, or pointer with Flat on
    OfficeBorderStyle down = OfficeBorderStyle::Sunken;         // buttons only: held down

    friend bool operator==(const OfficeFrameStyles &, const OfficeFrameStyles &) = default;
};

// Defaults of the entry box, memo and panel (also what setting Flat on an
// entry box restores).
OfficeFrameStyles textControlDefaultStyles();
// Defaults of the push button.
OfficeFrameStyles buttonDefaultStyles();
// What setting Flat does to a button's styles, whatever they were before.
OfficeFrameStyles buttonStylesAfterSettingFlat(bool flat);

// The frame of an entry box, memo or panel in its current state.
OfficeBorderStyle chooseTextControlFrame(const OfficeFrameStyles &styles, bool flat, bool focused,
                                         bool pointerInside);

// The frame of a push button: an optional window-frame ring on the outer edge
// and a style drawn `inset` pixels inside the control's edge.
struct ButtonFrame {
    bool windowFrameRing = false;
    OfficeBorderStyle style = OfficeBorderStyle::None;
    int inset = 0;

    friend bool operator==(const ButtonFrame &, const ButtonFrame &) = default;
};

ButtonFrame chooseButtonFrame(const OfficeFrameStyles &styles, bool flat, bool focused,
                              bool pointerInside, bool down);

} // namespace widgets
