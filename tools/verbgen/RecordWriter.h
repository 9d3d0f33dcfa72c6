// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RecordBuilder.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <stdexcept>

namespace verbgen {

class EncodingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The 395 lines of one record. Each line is a 30-character readable label
// (tense, person, column role; character 1 carries the codes on lines 0 to 2)
// followed by the payload. Lines the category never reads are labelled so.
QStringList recordLines(const RecordText &record);

// The whole verb file: records in the given order, Windows-1252, CR LF after
// every line. Throws EncodingError naming the verb whose text the code page
// cannot hold.
QByteArray verbFileBytes(const QList<RecordText> &records);

} // namespace verbgen
