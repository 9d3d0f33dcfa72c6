// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <stdexcept>
#include <vector>

namespace verbgen {

// Raised with every fault found, one per line of what().
class TableError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class ReflexiveCase { None, Accusative, Dative };

// Corrections of the dictionary's simple forms: key (PRES, PAST, SUBJ1, SUBJ2,
// PART, IMP) to its words.
using FormOverrides = QMap<QString, QStringList>;

// One line of the verb table.
struct VerbEntry {
    int tableLine = 0;
    QString listed;      // as the verb list shows it: "gehen", "sich freuen", "Rad fahren"
    char category = 'n'; // the verb file's layout letter: n, s, r, d
    bool auxiliarySein = false;
    ReflexiveCase reflexive = ReflexiveCase::None;
    QString particle; // separable prefix ("auf") or first word ("Rad"); may be empty
    char type = 'w';  // w, s, m, i, d
    QString english;
    FormOverrides overrides;
    // Said only of things and events (es regnet, es gelingt mir, das Fest
    // findet statt): only the third-person forms, no imperative. "IMP=-".
    bool impersonal = false;
    // Said only with "es", as the weather is (es regnet): the er/sie/es forms
    // alone, no plural. "IMP=es"; impersonal too.
    bool esOnly = false;
    // Said of persons too, but never bidden ("du tust mir leid"): every
    // person, no imperative. "IMP=none".
    bool withoutImperative = false;
    QString reason; // why the overrides are needed

    // The verb whose forms are conjugated: "stehen" for "aufstehen" and
    // "sich anziehen", "fahren" for "Rad fahren", "freuen" for "sich freuen",
    // "machen" for "sich Sorgen machen".
    QString baseInfinitive() const;
    // The infinitive without "sich " and the object "etwas " that only names
    // the verb: "anziehen", "Rad fahren", "vorstellen" for "sich etwas vorstellen".
    QString infinitive() const;
    // A reflexive verb's words before the verb that stay apart from it
    // ("Sorgen" in "sich Sorgen machen"), unlike a separable prefix.
    bool particleIsWords() const;
    bool isSeparable() const { return category != 'd' && !particle.isEmpty(); }
    bool hasImperative() const
    {
        return type != 'd' && !impersonal && !withoutImperative; // modal verbs have none
    }
};

// Columns, tab-separated: verb, category, auxiliary (haben/sein), reflexive
// case (-, acc, dat), particle or first word (-), type, English meaning,
// overrides (-, or KEY=words; KEY=words), reason (-). Lines starting with '#'
// and empty lines are skipped. Throws TableError listing every faulty line.
std::vector<VerbEntry> parseVerbTable(const QString &text, const QString &fileName);

// Expands an override's words into six person forms. Six words stand as
// they are; a single word ending in "e" takes the regular endings of the
// weak past and the Konjunktiv II (-e, -est, -e, -en, -et, -en).
std::optional<std::array<QString, 6>> expandPersonWords(const QStringList &words);

} // namespace verbgen
