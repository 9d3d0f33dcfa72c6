// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ProgramEnd.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace app {

int leaveProgram(int status)
{
    // "wayland", "wayland-egl" and the other variants of Qt's Wayland platform.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

} // namespace app
