// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/CaptionFit.h"

#include <algorithm>

namespace widgets {

CaptionFit fitCaption(int designPixels, int smallestPixels, int room,
                      const std::function<int(int pixels)> &widthAt)
{
    if (widthAt(designPixels) <= room)
        return {designPixels, false, false};
    // Widths need not shrink in step with the size (hinting), so every size is tried.
    for (int pixels = designPixels - 1; pixels >= smallestPixels; --pixels) {
        if (widthAt(pixels) <= room)
            return {pixels, true, false};
    }
    const int smallest = std::min(designPixels, smallestPixels);
    return {smallest, smallest != designPixels, true};
}

} // namespace widgets
