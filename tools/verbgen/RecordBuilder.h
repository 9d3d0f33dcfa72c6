// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SimpleForms.h"
#include "VerbTable.h"

#include <QString>

#include <array>
#include <map>
#include <utility>

namespace verbgen {

constexpr int TenseCount = 15;
constexpr int BoxCount = 36;

// The forms accepted beside the board's, by tense (0 to 14) and box (1 to 36),
// each list without the board's form and without repeats.
using BoxAlternatives = std::map<std::pair<int, int>, QStringList>;

// Everything one record of the verb file says, before it is laid out in lines.
struct RecordText {
    QString listed;
    char category = 'n';
    char type = 'w';
    char variants = '1';
    bool impersonal = false;        // third person only, no imperative; line 0's label says so
    bool esOnly = false;            // impersonal, and only the er/sie/es forms (es regnet)
    bool withoutImperative = false; // every person, no imperative; line 0's label says so
    QString principalParts;         // caption line 1 of every tense block
    QString english;                // caption line 2
    // boxes[tense][k] is the text of box Ek (index 0 unused); empty: no form.
    std::array<std::array<QString, BoxCount + 1>, TenseCount> boxes;
    BoxAlternatives alternatives; // written to the alternatives file, not the verb file
};

// The auxiliaries' own forms, from which the compound tenses are built.
struct Auxiliaries {
    SimpleForms haben;
    SimpleForms sein;
    SimpleForms werden;
};

// Caption line 1: the Präteritum and the Perfekt, whole, beside the verb list
// that shows the infinitive on the same row. `past` is the Präteritum with the
// words that follow it ("fuhr Rad", "zog an"); `repeated` what the Perfekt
// repeats before the participle ("Rad", "sich Sorgen"): "fuhr Rad, ist Rad
// gefahren", "zog sich an, hat sich angezogen". A caption wider than its label
// is drawn smaller by the window, never cut short here.
QString principalParts(const QString &past, const QString &auxiliary, const QString &repeated,
                       const QString &participle, bool reflexive);

// Lays out the conventions' columns for the entry's category: the finite verb
// in column 2 of the simple tenses, the auxiliary in column 1 of the compound
// ones, the pronoun, prefix or first word beside them, the participle or
// infinitive in column 3 and haben or sein in column 4 of the future perfect.
// `forms` are the corrected forms of the entry's base verb.
RecordText buildRecord(const VerbEntry &entry, const SimpleForms &forms,
                       const Auxiliaries &auxiliaries);

} // namespace verbgen
