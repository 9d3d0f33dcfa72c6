// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The small tables of German the classifier knows beyond the verb's own forms.
namespace explain {

enum class Auxiliary { Haben, Sein, Werden };

// Which auxiliary a word is a form of (finite in the compound tenses, or the
// infinitive); nothing for any other word.
std::optional<Auxiliary> auxiliaryOf(QStringView word);
QString auxiliaryName(Auxiliary auxiliary); // "haben", "sein", "werden"

enum class PronounCase { Accusative, Dative, Both };

// A reflexive pronoun: its person (0 ich, 1 du, 2 wir, 3 ihr, 4 the third
// persons and Sie) and case; nothing for any other word.
struct ReflexivePronoun {
    int person;
    PronounCase pronounCase;
};
std::optional<ReflexivePronoun> reflexivePronoun(QStringView word);

// The endings a verb form may carry, longest first ("" included).
const QStringList &verbEndings();
// The weak past and subjunctive II endings: -te, -test, -ten, -tet.
const QStringList &weakPastEndings();

// The unstressed prefix that keeps ge- off a participle (be-, ver-...) which
// `stem` begins with; empty if none.
QString inseparablePrefix(QStringView stem);

// ä for a, Ö for O...; a null character for a letter without an umlaut.
QChar umlautOf(QChar letter);
bool isVowel(QChar letter);

} // namespace explain
