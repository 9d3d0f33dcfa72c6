// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialog/MessageDialogRules.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace dialog {

// Where a message box of `box` size goes on `screen` (the screen's usable
// area), for a placement and its offsets; `owner` is the owning window's
// outer rectangle, absent when the owner is not a window (the form placements
// then act as the screen ones). Every placement is kept on the screen; a box
// larger than the screen keeps its top-left corner on it.
QPoint placeMessageBox(MessageDialogAlign align, QSize box, QRect screen,
                       std::optional<QRect> owner, int offsetLeft, int offsetTop);

} // namespace dialog
