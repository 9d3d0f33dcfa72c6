// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QString>

// What the fuzz target checks on every input, shared with the test that
// replays the seed corpus in the ordinary build.
namespace fuzzcheck {

// Loads the bytes as a verb file, keeping whole lines and, gathered a piece at
// a time, only what the trainer keeps; runs the reader's checks
// (ReaderChecks.h) on both, reads the board of every record for every tense
// (and for tenses out of range) from both, runs the look-up over the verb
// list, and compares all of it with a plain reference reading of the same
// bytes.
// Returns an empty text when everything agrees, else what disagreed.
QString checkVerbFileBytes(QByteArrayView bytes);

} // namespace fuzzcheck
