// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace widgets {

// The twelve frame styles of the office-style controls, in their stored order.
enum class OfficeBorderStyle : std::uint8_t {
    None,
    Flat,
    Single,
    Solid,
    Etched,
    Bump,
    Sunken,
    Raised,
    Down,
    Up,
    OuterRaised,
    OuterSunken,
};

} // namespace widgets
