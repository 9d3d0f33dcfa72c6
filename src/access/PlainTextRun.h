// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace accessibility {

// The text attributes of a plain text of `length` characters, as assistive
// technology asks for them: no attributes, in one run over the whole text for
// an offset inside it (or at its end), an empty run at any other offset.
// Screen readers cut what they read at the runs' ends.
inline QString plainTextRun(int offset, int length, int *startOffset, int *endOffset)
{
    const bool inside = offset >= 0 && offset <= length;
    *startOffset = inside ? 0 : offset;
    *endOffset = inside ? length : offset;
    return {};
}

} // namespace accessibility
