// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace verbgen {

// Grammatical persons in dictionary order: ich, du, er/sie/es, wir, ihr, sie.
enum Person {
    FirstSingular,
    SecondSingular,
    ThirdSingular,
    FirstPlural,
    SecondPlural,
    ThirdPlural
};
constexpr int PersonCount = 6;

using PersonForms = std::array<QString, PersonCount>;

// The forms of one verb that cannot be built from others: the four simple
// tenses, the participle(s) and the imperative. Compound tenses are built from
// these and the auxiliaries' forms.
struct SimpleForms {
    QString infinitive;
    PersonForms present;
    PersonForms past;
    PersonForms subjunctive1;
    PersonForms subjunctive2;
    QStringList participles;    // the first is the one the boxes show
    QString imperativeSingular; // du; empty when the verb has none
    QString imperativePlural;   // ihr
};

} // namespace verbgen
