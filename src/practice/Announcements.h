// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace practice {

// What a screen reader is told of the revealing commands, whose result is
// otherwise only seen.

// Show Random's letters so far, each on its own so that they are spelled
// out rather than read as a word: "Letters: t u"; a blank is "space".
QString revealedLettersAnnouncement(const QString &letters);

// The text Show Correct or its Restore put into the active box; "empty"
// when the Restore put back an empty box.
QString boxTextAnnouncement(const QString &text);

// An announcement of a command that acted on a box the learner has not been
// told of, with the box named: "Letters: a, in ich, separable prefix".
QString inBoxAnnouncement(const QString &announcement, const QString &boxName);

} // namespace practice
