// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/RecordLayout.h"
#include "data/VerbFile.h"

#include <QList>
#include <QString>

namespace verbcheck {

// The forms of one record that German's regular endings tie together, as the
// boxes show them: the finite verb without its prefix, pronoun or first word.
struct KeyForms {
    QString listed;   // as the verb list shows it: "sich etwas vorstellen"
    QString particle; // separable prefix, a reflexive verb's words or first word: "vor"
    QString base;     // the infinitive the forms belong to: "stellen"
    char type = 'w';
    QString presentDu, presentEr, presentIhr; // empty where the record has no such form
    QString pastDu, pastEr;
    QString pastPronoun, pastParticle; // beside the Präteritum's er form: "sich", "an"
    QString participle;                // as column 3 shows it: "aufgestanden", "Sorgen gemacht"
    QString auxiliary;                 // of the Perfekt: "hat" or "ist"
    QString perfectWord;               // between them: "sich", a two-word verb's first word
    QString english;                   // caption line 2
};

// Reads them from a record of a known category.
KeyForms keyFormsOf(const data::VerbFile &file, qsizetype record, data::Category category);

// Where a rule found a fault: the form's place (tense 0 or 1 and its box, or
// the type letter) and what is wrong.
struct FormFinding {
    enum Place { PresentDu, PresentEr, PresentIhr, PastDu, TypeLetter };
    Place place;
    QString message;
};

// The rules of the endings and of the type letter:
// - a present stem in -s, -ß, -x or -z takes -t for du (du liest, verschmilzt),
//   one in -sch takes -st (du rutschst, wäschst);
// - a stem in -d, -t or in -m, -n after another consonant keeps the -e- of
//   the ending (du findest, er arbeitet, ihr atmet) unless its vowel changes
//   (du hältst, trittst);
// - the Präteritum's du form is the er form with -st, -est after -d, -t, -s,
//   -ß, -z, -x (fandest, lasest);
// - the type letter fits the forms: only weak forms (löschte, gelöscht) are
//   "w", a weak verb has them, a strong verb's Präteritum is not weak, a mixed
//   verb's forms are neither all weak nor all strong. Modal verbs are left out.
QList<FormFinding> checkKeyForms(const KeyForms &forms);

// The verb's principal parts as its own forms give them, the Präteritum and the
// Perfekt of er/sie/es: "zog sich an, hat sich angezogen", "fuhr Rad, ist Rad
// gefahren"; empty when a form is missing.
QString principalParts(const KeyForms &forms);
// Whether a caption is those parts whole, alone or after the listed name
// ("sich anziehen, zog sich an, hat sich angezogen").
bool isWholePrincipalParts(const QString &caption, const KeyForms &forms);

// The record line of the form a finding is about.
int recordLineOf(data::Category category, FormFinding::Place place);

} // namespace verbcheck
