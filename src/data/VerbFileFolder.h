// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace data {

// The folder the trainer reads Verb12Data.txt from: the working directory when
// it holds one (a verb file of the learner's own wins), else the program's own
// folder when that holds one (the portable Windows folder started from
// anywhere), else the working directory, whose missing file the error box then
// names as ever.
QString verbFileFolder(const QString &workingDirectory, const QString &programDirectory);

} // namespace data
