// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace review {

// The scheduler's reference implementation keeps stability, difficulty and retrievability to
// eight decimals and rounds intervals half up; the same results need the same rounding, bit for
// bit, so these follow JavaScript's Number.prototype.toFixed(8) and Math.round exactly.

// The multiple of 1e-8 nearest to x's exact binary value, ties away from zero, as the nearest
// double. Infinities, NaN and magnitudes from 1e21 up come back unchanged.
double toEightDecimals(double x);

// The nearest integer, ties towards +infinity.
double roundHalfUp(double x);

} // namespace review
