// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/WheelNotches.h"

namespace lists {

int WheelNotches::add(int angleDelta)
{
    if ((angleDelta > 0 && m_pending < 0) || (angleDelta < 0 && m_pending > 0))
        m_pending = 0;
    m_pending += angleDelta;
    const int notches = m_pending / NotchDelta; // rounds towards zero either way
    m_pending -= notches * NotchDelta;
    return notches;
}

} // namespace lists
