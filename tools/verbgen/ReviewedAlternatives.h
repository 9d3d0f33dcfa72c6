// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SimpleForms.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace verbgen {

// One reviewed alternative: a key and its words, as in the verb table's
// overrides, but naming forms accepted beside the board's rather than
// instead of them.
struct ReviewedAlternative {
    int listLine = 0;
    QString verb; // as the verb table lists it
    QString key;  // PRES, PAST, SUBJ1, SUBJ2, PART, IMP, REFL
    QStringList words;
    QString reason;
};

// The reviewed list of alternatives (tools/verbs/alternatives.tsv): one verb a
// line, tab-separated: verb, KEY=words; KEY=words, reason. PRES, PAST, SUBJ1
// and SUBJ2 take six forms (ich du er wir ihr sie, "-" for a person without
// another form) or one form on -e that takes the regular endings; PART one or
// more participles; IMP the du and the ihr form ("-" for none); REFL "dat" or
// "acc", the other case of a reflexive verb's pronouns. '#' starts a comment.
class ReviewedAlternatives {
public:
    // Throws TableError listing every faulty line.
    static ReviewedAlternatives parse(const QString &text, const QString &fileName);

    const std::vector<ReviewedAlternative> &entries() const { return m_entries; }
    // The entries listed for `verb`.
    std::vector<ReviewedAlternative> of(const QString &verb) const;

private:
    std::vector<ReviewedAlternative> m_entries;
};

// A six-person key's words as forms; an empty form where the list has "-".
std::optional<PersonForms> personAlternatives(const QStringList &words);

} // namespace verbgen
