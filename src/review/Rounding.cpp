// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "review/Rounding.h"

#include <cmath>

namespace review {

double toEightDecimals(double x)
{
    if (!std::isfinite(x) || std::fabs(x) >= 1e21)
        return x;
    // |x| = mantissa * 2^exponent exactly, so |x| * 10^8 = mantissa * 5^8 * 2^(exponent + 8),
    // an integer of at most 72 bits times a power of two: exact in 128-bit integers.
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(x), &exponent);
    const auto mantissa = static_cast<unsigned __int128>(std::ldexp(fraction, 53));
    exponent -= 53;
    const unsigned __int128 scaled = mantissa * 390625u; // 5^8
    const int shift = exponent + 8;
    unsigned __int128 units = 0; // the rounded |x| * 10^8
    if (shift >= 0) {
        units = scaled << shift;
    } else if (-shift < 100) {
        const int drop = -shift;
        units = scaled >> drop;
        const unsigned __int128 rest = scaled - (units << drop);
        if (rest >= (static_cast<unsigned __int128>(1) << (drop - 1)))
            ++units;
    } // else |x| * 10^8 < 2^-27: rounds to zero
    // Below 9e7 (far above any stability or difficulty) both operands are exact, so the quotient
    // is the double nearest to units / 10^8: what reading the eight-decimal text back gives.
    const double magnitude = static_cast<double>(units) / 1e8;
    return x < 0 ? -magnitude : magnitude;
}

double roundHalfUp(double x)
{
    const double up = std::ceil(x);
    return up - 0.5 <= x ? up : up - 1.0;
}

} // namespace review
