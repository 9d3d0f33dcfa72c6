// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ReferenceComparison.h"

#include "data/VerbFile.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace verbcheck {

// A meaning line's parts as the rules compare them: split at ", ", each
// without its annotations in parentheses, trimmed, lower case.
// "to rise, to open (of the sun, a door)" -> "to rise", "to open".
QStringList meaningParts(const QString &english);

// The rules of how German uses a verb in the meaning its line gives, record
// by record. Each finding is for an author to mend in the table or to list
// with its reason (kind<TAB>verb, as reviewKey gives it):
// - "imperative": every meaning is a state or what befalls the subject (to be
//   hungry, to turn out, to pass away, to resemble), yet the verb has an
//   imperative: nobody is bidden to;
// - "persons": a verb with sein drilled in every person shares a meaning with
//   a verb said only of things and events (aufgehen "to rise" beside
//   ansteigen): in that meaning it is said only of things too;
// - "auxiliary": a verb of `bothAuxiliaries` (haben with an object, sein
//   without: "etwas abkühlen, hat abgekühlt", "die Suppe ist abgekühlt") whose
//   meaning does not say the sense of its auxiliary: with haben every meaning
//   names its object ("to cool sth. down"), with sein none does.
QList<Disagreement> usageFindings(const data::VerbFile &file, const QSet<QString> &bothAuxiliaries);

// The verbs of a "verb | how it takes each auxiliary" list
// (tools/verbs/both-auxiliaries.txt); "#" starts a comment line.
QSet<QString> parseListedVerbs(const QString &text);

} // namespace verbcheck
