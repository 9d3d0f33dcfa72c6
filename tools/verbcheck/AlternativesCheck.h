// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VerbFileChecker.h"

#include "data/AlternativesText.h"
#include "data/RecordLayout.h"
#include "data/VerbFile.h"

#include <QByteArrayView>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

namespace verbcheck {

// Which of a verb's simple forms a box shows, and for whom: what an
// alternative in that box must be another form of.
struct FormSlot {
    enum Kind { Other, Finite, Participle, ImperativeSingular, ImperativePlural, Pronoun };
    Kind kind = Other;
    int tense = 0;  // of a finite form: 0 Präsens, 1 Präteritum, 6 Konjunktiv I, 7 Konjunktiv II
    int person = 0; // ich, du, er/sie/es, wir, ihr, sie (0 to 5), as the dictionary counts them
};
FormSlot formSlot(data::Category category, int tense, int box);
// "participle", "Präteritum", "du imperative", "reflexive pronoun" ...
QString slotKindName(const FormSlot &slot);

// The verb a record is conjugated from, as the verb list names it less
// "sich ", "etwas " and its prefix or first word ("stehen" for "aufstehen",
// "fahren" for "Rad fahren"), and that prefix or word (the text of column 4
// in the Präsens).
struct BaseVerb {
    QString infinitive;
    QString particle;
};
BaseVerb baseVerb(const data::VerbFile &file, qsizetype record);

// The forms that vouch for an alternative: those the verb dictionary or the
// reviewed list gives the verb (as listed, and its base verb) for a slot.
using KnownForms =
    std::function<QSet<QString>(const QString &listed, const BaseVerb &base, const FormSlot &slot)>;

struct AlternativesReport {
    QList<data::AlternativesFault> lines; // by the alternatives file's line
    QList<Fault> verbFile; // variants digits that do not count the participle's alternatives
};

// Checks an alternatives file against its verb file: every line names a verb
// of the file and a box its tense block fills with a form; no alternative is
// the board's own form or listed twice, nor a verb, tense and box; with
// `known`, every alternative is the board's text with the words of its slot
// replaced by known forms (a separable prefix fused as the board fuses it).
// And every verb's variants digit is 1 + the number of its participle's
// alternatives (those of the Perfekt's participle boxes), at most 4.
AlternativesReport checkAlternatives(const data::VerbFile &file, QByteArrayView alternatives,
                                     const KnownForms &known = {});

// How many alternatives of each kind (slotKindName) a file gives: verbs, distinct
// forms per verb, and boxes.
struct KindCount {
    int verbs = 0;
    int forms = 0;
    int boxes = 0;
};
QMap<QString, KindCount> countAlternatives(const data::VerbFile &file, QByteArrayView alternatives);

} // namespace verbcheck
