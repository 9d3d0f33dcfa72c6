// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FormCorrections.h"
#include "FormDictionary.h"
#include "RecordBuilder.h"
#include "ReviewedAlternatives.h"
#include "VerbTable.h"

#include <QList>
#include <QString>

#include <vector>

namespace verbgen {

// The verb list's sort key: the listed name without a leading "sich ".
QString sortKey(const QString &listed);
// Sorts by the key in German collation; equal keys by the full name.
void sortRecords(QList<RecordText> &records);

// Builds every record of the table, sorted as the verb list shows them.
// A verb's base forms come from the dictionary, corrected by the spelling
// replacements and the regular fixes, then by the overrides of the table's
// line for the base verb itself (so "vorbereiten" inherits the fixes of
// "bereiten"), then by the line's own overrides.
// Each record also gets its alternatives (AlternativeForms.h): the reviewed
// entries of the verb and those of its base verb's line, but for the keys the
// verb's own line corrects. Throws TableError listing every verb that cannot
// be built completely, and every reviewed entry that names no verb of the
// table or adds no form to its verb's board.
QList<RecordText> buildRecords(const std::vector<VerbEntry> &table,
                               const FormDictionary &dictionary,
                               const SpellingReplacements &spelling,
                               const ReviewedAlternatives &reviewed = {});

} // namespace verbgen
