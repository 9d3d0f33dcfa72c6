// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/OfficeFrameRules.h"

namespace widgets {

using S = OfficeBorderStyle;

OfficeFrameStyles textControlDefaultStyles()
{
    return {S::Sunken, S::Solid, S::OuterSunken, S::Sunken};
}

OfficeFrameStyles buttonDefaultStyles()
{
    return {S::Up, S::None, S::OuterRaised, S::Sunken};
}

OfficeFrameStyles buttonStylesAfterSettingFlat(bool flat)
{
    if (flat)
        return {S::OuterRaised, S::OuterRaised, S::Raised, S::Down};
    return {S::Up, S::None, S::Raised, S::Down};
}

OfficeBorderStyle chooseTextControlFrame(const OfficeFrameStyles &styles, bool flat, bool focused,
                                         bool pointerInside)
{
    if (!flat)
        return styles.normal;
    return focused || pointerInside ? styles.focused : styles.flat;
}

ButtonFrame chooseButtonFrame(const OfficeFrameStyles &styles, bool flat, bool focused,
                              bool pointerInside, bool down)
{
    if (down)
        return {false, styles.down, 0};
    const OfficeBorderStyle atRest =
        flat ? (pointerInside ? styles.focused : styles.flat) : styles.normal;
    if (!focused)
        return {false, atRest, 0};
    // A focused button is ringed in the window-frame colour; its own frame
    // moves one pixel inwards.
    const OfficeBorderStyle inside = flat ? atRest : styles.focused;
    return {true, inside, 1};
}

} // namespace widgets
