// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "explain/BoxRole.h"
#include "explain/VerbForms.h"

#include <QString>
#include <QStringList>

namespace explain {

// One box's answer and what the verb's record says about it: the form's row,
// and where else on the verb's boards a typed text stands.
class Answer {
public:
    Answer(const VerbForms &verb, int tense, int box, const QString &typed, const QString &right);

    const VerbForms &verb;
    const int tense;
    const int box;
    const BoxRole role;
    const QString rawTyped; // as the box holds it
    const QString typed;    // in composed form (NFC), which changes no letter
    const QString right;

    // The right form in its row, with its person: "du sprichst", "ich bin aufgestanden",
    // "(du) steh auf", "stehen Sie auf".
    QString rowPhrase() const;

    // "the ihr form" when `text` is what another person's box of this tense holds.
    QString otherPersonOf(const QString &text) const;
    // "the present", "the infinitive", "the ihr form of the past" when `text` is
    // what a box of this row's kind holds in another tense; empty otherwise.
    QString otherTenseOf(const QString &text) const;
    // The two above of the typed text, as an aside: " (that is the ihr form)"; empty if neither.
    QString asideOnTyped() const;

private:
    QString comparableForm(int otherTense, int otherBox) const;
    QString rowWithoutPerson(int otherTense, int otherBox) const;
};

} // namespace explain
