// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "review/Card.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTimeZone>

namespace progress {

// The review log as a CSV file a teacher opens in a spreadsheet: a header row, then one row per
// graded board with its local date and time, verb, tense, grade as a word, seconds taken and the
// number of boxes wrong. UTF-8 with a byte-order mark (so spreadsheet programs read the umlauts),
// CR LF line ends and quoting as RFC 4180 has them.
QByteArray reviewLogCsv(const QList<review::ReviewEntry> &entries, const QTimeZone &zone);

// One CSV field: quoted when it holds a comma, a quote or a line break; a text a spreadsheet
// would run as a formula (=, +, -, @ first) is marked as text with a leading apostrophe.
QString csvField(const QString &text);

QString gradeWord(review::Grade grade);

// Writes the bytes to path atomically: afterwards the file is whole, or as it was before.
bool writeReviewLogCsv(const QString &path, const QByteArray &csv, QString *error);

} // namespace progress
