// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace testwindow {

// Whether a Windows test program runs under Wine rather than Windows itself, for the few checks
// where Wine's own drawing or font handling differs from Windows' (each says how). False on
// other systems.
bool runningUnderWine();

} // namespace testwindow
