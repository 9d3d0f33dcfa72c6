// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

namespace stress {

// The sanitizer build runs the heavy cases scaled down (ZANDREL_STRESS_LIGHT=1,
// set for it by tests/stress/CMakeLists.txt) to keep the CI run short.
inline bool lightRun()
{
    return qEnvironmentVariableIntValue("ZANDREL_STRESS_LIGHT") == 1;
}

constexpr qint64 MiB = 1024 * 1024;

} // namespace stress
