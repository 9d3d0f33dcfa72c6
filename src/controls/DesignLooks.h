// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

class QWidget;

namespace controls {

// Gives the controls of the trainer's window (found by object name) the frame
// styles, Flat settings and list looks of its design: entry boxes with a plain
// solid frame in every state, etched buttons ringed when focused, etched
// panels and help text, the four lists flat on button face, and the font
// chooser listing every family. Call once after the controls exist.
// Returns the names it looked for and did not find.
QStringList applyDesignLooks(QWidget *window);

} // namespace controls
