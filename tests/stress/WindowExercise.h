// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "StartedWindow.h"

namespace app {
class TForm1;
}

namespace stress {

// Drives a started window with real input through the verb list, the tense
// list, Show All, Test Answers, typing with F5 and the look-up, checking the
// window's invariants after every step. Fails the running Qt test, naming the
// step, when one breaks.
void exerciseWindow(app::TForm1 &form);

int listCount(const app::TForm1 &form, const char *name);
bool showedWarning(const QList<StartUpMessage> &messages);

} // namespace stress
