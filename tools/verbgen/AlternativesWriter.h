// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RecordBuilder.h"

#include <QByteArray>
#include <QList>

namespace verbgen {

// The alternatives file of the records' verb file: a header that explains the
// format, then one line per verb, tense and box with alternatives, in the
// records' order, tense by tense, box by box ("Sie" once for both Sie rows).
// UTF-8, CR LF after every line. Throws EncodingError when the two Sie rows of
// a box have different alternatives, which the format cannot say.
QByteArray alternativesFileBytes(const QList<RecordText> &records);

} // namespace verbgen
