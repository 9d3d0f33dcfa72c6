// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/Wine.h"

#include <QtGlobal>

#if defined(Q_OS_WIN)
#include <qt_windows.h>
#endif

namespace testwindow {

bool runningUnderWine()
{
#if defined(Q_OS_WIN)
    // Wine's ntdll names its version; Windows' has no such function.
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
#else
    return false;
#endif
}

} // namespace testwindow
