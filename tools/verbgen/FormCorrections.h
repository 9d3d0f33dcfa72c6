// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SimpleForms.h"
#include "VerbTable.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace verbgen {

// Word-for-word replacements applied to every dictionary form, for the
// dictionary's pre-1996 spellings ("muß" -> "muss"). File lines are
// "old<TAB>new"; '#' starts a comment line.
class SpellingReplacements {
public:
    static SpellingReplacements parse(const QString &text, const QString &fileName);
    QString apply(const QString &form) const;
    qsizetype size() const { return m_words.size(); }

private:
    QHash<QString, QString> m_words;
};

void applySpelling(SimpleForms &forms, const SpellingReplacements &replacements);

// The dictionary gives the short du forms "tatst", "last", "aßt" for pasts on
// d, t, s, ß, z, x; a learner's file uses "tatest", "lasest", "aßest".
void lengthenPastSecondPerson(SimpleForms &forms);

// The du imperative without its optional -e ("geh", "komm", "freu"), keeping
// the -e where it is required: stems on d or t (arbeite, finde), on -ig
// (entschuldige, but zeig), on i (knie, but schrei), on m or n after another consonant (atme,
// öffne, rechne), and verbs on -eln and -ern (sammle, ändere).
QString imperativeWithoutOptionalE(const QString &imperative, const QString &infinitive);

// Replaces the forms the overrides name. The keys and word counts are
// checked when the table is read.
void applyOverrides(SimpleForms &forms, const FormOverrides &overrides);

// What a complete verb lacks: persons without a form, no participle, no
// imperative (unless it has none, like the modal and the impersonal verbs).
QStringList missingForms(const SimpleForms &forms, bool hasImperative);

} // namespace verbgen
