// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FrequencyRanking.h"

#include "data/VerbFile.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace verbfreq {

// A verb of the verb file, with how often German text uses it.
struct RankedVerb {
    QString listed;        // as the verb list shows it: "sich freuen", "Rad fahren"
    QString level;         // A1, A2, B1, or "-" for a verb of none of the word lists
    double perMillion = 0; // summed over the corpora, each per million of its words
};

// The phrases by which a verb of the verb file is counted: its infinitive and
// its participle, without "sich" and the object "etwas", with a two-word
// verb's first word or a reflexive verb's words ("Rad fahren", "Rad
// gefahren"; "Sorgen machen", "Sorgen gemacht"). Separable verbs count by
// their infinitive and participle, the forms that keep the prefix on.
QStringList countedPhrases(const data::VerbFile &file, qsizetype record);

// Every verb of the file, most frequent first; verbs used equally often by
// level (A1 first, "-" last), then in the file's order. `levels` maps a verb
// to the first level of the word lists it stands under.
QList<RankedVerb> rankVerbFile(const data::VerbFile &file, const QList<Corpus> &corpora,
                               const QMap<QString, QString> &levels);

// The ranks file, Verb12Ranks.txt: UTF-8, a comment that says what it is,
// then "LEVEL<TAB>verb" a line, LF line ends.
QByteArray ranksFileText(const QList<RankedVerb> &verbs);

} // namespace verbfreq
