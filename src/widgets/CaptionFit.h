// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

namespace widgets {

// The size a one-line caption is drawn at so that it fits its room.
struct CaptionFit {
    int pixelSize = 0;   // the lettering's height to draw with
    bool shrunk = false; // smaller than designed
    bool cut = false;    // too wide even at the smallest size: shown elided

    friend bool operator==(const CaptionFit &, const CaptionFit &) = default;
};

// The designed size when the caption fits `room` pixels; otherwise the largest
// size, from one below the designed down to `smallestPixels`, at which it fits;
// when none does, the smallest size, cut. A design already at or below the
// smallest size is never enlarged. `widthAt(pixels)` gives the caption's width
// at a size (at the designed size, with the designed font as it is set).
CaptionFit fitCaption(int designPixels, int smallestPixels, int room,
                      const std::function<int(int pixels)> &widthAt);

} // namespace widgets
