// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace lists {

// Turns wheel turns into whole notches. A mouse wheel's notch is 120 eighths
// of a degree; a fine wheel or a touchpad sends smaller deltas, which add up
// until they make a notch, so a list moves one entry per notch whatever the
// device. Turning back the other way drops what had added up.
class WheelNotches {
public:
    static constexpr int NotchDelta = 120;

    // The notches completed by `angleDelta`: positive away from the learner.
    int add(int angleDelta);
    void reset() { m_pending = 0; }

private:
    int m_pending = 0;
};

} // namespace lists
