// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/ControlTable.h"

class QMetaObject;
class QWidget;

namespace app {

// The class whose frame styles and list flags `look` sets.
const QMetaObject &lookClass(Look look);

// Gives `control` the frame styles, Flat setting and list flags of `look`.
// False, changing nothing, when the control is not of the look's class.
bool setFrameStylesAndListFlags(QWidget *control, Look look);

} // namespace app
