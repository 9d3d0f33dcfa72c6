// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data/VerbFile.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace verbcheck {

// The German-English dictionary Ding (Debian's trans-de-en, /usr/share/trans/de-en):
// for each German headword the English translations of its entries. Lines are
// "German | forms ... :: English | forms ..."; the first part of each side
// holds the headwords and their translations, "; " between alternatives.
class DingDictionary {
public:
    static DingDictionary parse(const QString &text);
    // Every translation, normalised, of the entries whose headword is `verb`
    // ("gehen", "sich freuen", "Rad fahren"); empty when Ding lacks it.
    QSet<QString> translations(const QString &verb) const;
    qsizetype headwordCount() const { return m_translations.size(); }

    // A Perfekt an entry spells out ("er/sie ist/war gefahren", "es hat/hatte
    // geregnet"), with the translations of that entry.
    struct Perfect {
        QString participle;
        bool sein = false;
        QSet<QString> translations;
    };
    QList<Perfect> perfects(const QString &verb) const { return m_perfects.value(verb); }

private:
    QHash<QString, QSet<QString>> m_translations;
    QHash<QString, QList<Perfect>> m_perfects;
};

// How a translation is compared: annotations in braces, brackets and
// parentheses dropped, "sb." and "sth." dropped, lower case, British -ise
// spelled -ize, single blanks. "to pick sb. up {picked}" -> "to pick up".
QString normalisedEnglish(const QString &english);
// A Ding headword as the verb list would show it: annotations and object
// placeholders dropped. "sich (über etw.) freuen {vr}" -> "sich freuen".
QString normalisedHeadword(const QString &german);

struct MeaningRow {
    enum Outcome { Matched, NoMatch, NotInDing };
    qsizetype record = 0;
    QString verb;    // as listed
    QString english; // caption line 2
    Outcome outcome = Matched;
};

// Each verb's English meaning (caption line 2 of tense 0, its parts split at
// ", ") against Ding's translations of the same verb; a reflexive verb is
// also looked up without "sich", as Ding often lists the plain verb alone,
// and without the object "etwas" ("sich etwas vorstellen").
QList<MeaningRow> meaningsReport(const data::VerbFile &file, const DingDictionary &ding);

// The reviewed exceptions (tools/verbs/meaning-exceptions.txt) are one listed
// verb a line, read with parseReviewedList.

} // namespace verbcheck
