// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RecordBuilder.h"
#include "ReviewedAlternatives.h"
#include "SimpleForms.h"
#include "VerbTable.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace verbgen {

// Another way standard German says some of a verb's forms: the board's forms
// with those replaced. Laid out as a record like the board's, it differs from
// it in exactly the boxes that show them, so the boxes are never listed by hand.
struct FormVariant {
    SimpleForms forms;
    ReflexiveCase reflexive = ReflexiveCase::None;
    int listLine = 0; // the reviewed list's line it comes from; 0 for the dictionary
};

// The variants of a verb whose board forms are `forms`:
// - each participle after the first (the table's PART chooses them from the
//   dictionary's), with the reviewed list's participles added to `forms`, so
//   that the variants digit counts them all;
// - the dictionary's du imperative where the board shows it without its
//   optional -e (gehe beside geh);
// - each other key of the reviewed entries that hold for the verb;
// - with the other reflexive case (REFL), each of the variants above too.
// Faults: REFL for a verb that is not reflexive, or naming its own case.
std::vector<FormVariant> formVariants(const VerbEntry &entry, SimpleForms &forms,
                                      const QString &dictionaryImperative,
                                      const std::vector<ReviewedAlternative> &reviewed,
                                      QStringList &faults);

// Adds to `board`'s alternatives each form of `variant` that differs from the
// board's in a box the board fills; returns how many it added.
int addAlternatives(RecordText &board, const RecordText &variant);

} // namespace verbgen
