// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace app {
class TForm1;
}

namespace stress {

// What holds on the window at all times, whatever the learner did: at most
// one active-box marker; a box is shown exactly when its answer slot is
// non-empty; every box has the normal or the wrong-answer background; and
// the answer slots are what the selected record and tense give.
// Returns an empty text when all hold, else which one failed and where.
QString checkBoardInvariants(const app::TForm1 &form);

// The answer slots the selected record and tense give, read afresh.
QString expectedSlotsMismatch(const app::TForm1 &form);

} // namespace stress
