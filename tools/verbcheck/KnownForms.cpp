// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KnownForms.h"

#include <array>

namespace verbcheck {

namespace {

const verbgen::PersonForms AccusativePronouns = {"mich", "dich", "sich", "uns", "euch", "sich"};
const verbgen::PersonForms DativePronouns = {"mir", "dir", "sich", "uns", "euch", "sich"};

// The override key and person forms of a finite slot's tense.
const char *finiteKey(int tense)
{
    switch (tense) {
    case 0:
        return "PRES";
    case 1:
        return "PAST";
    case 6:
        return "SUBJ1";
    default:
        return "SUBJ2";
    }
}

const verbgen::PersonForms &finiteForms(const verbgen::SimpleForms &forms, int tense)
{
    switch (tense) {
    case 0:
        return forms.present;
    case 1:
        return forms.past;
    case 6:
        return forms.subjunctive1;
    default:
        return forms.subjunctive2;
    }
}

void addDictionaryForms(QSet<QString> &known, const verbgen::SimpleForms &forms,
                        const FormSlot &slot)
{
    switch (slot.kind) {
    case FormSlot::Finite:
        known.insert(finiteForms(forms, slot.tense)[slot.person]);
        break;
    case FormSlot::Participle:
        for (const QString &participle : forms.participles)
            known.insert(participle);
        break;
    case FormSlot::ImperativeSingular:
        known.insert(forms.imperativeSingular);
        break;
    case FormSlot::ImperativePlural:
        known.insert(forms.imperativePlural);
        break;
    default:
        break;
    }
}

void addReviewedForms(QSet<QString> &known, const verbgen::ReviewedAlternative &entry,
                      const FormSlot &slot)
{
    if (slot.kind == FormSlot::Finite && entry.key == finiteKey(slot.tense))
        known.insert((*verbgen::personAlternatives(entry.words))[slot.person]);
    else if (slot.kind == FormSlot::Participle && entry.key == "PART")
        known.unite(QSet<QString>(entry.words.begin(), entry.words.end()));
    else if (slot.kind == FormSlot::ImperativeSingular && entry.key == "IMP")
        known.insert(entry.words[0]);
    else if (slot.kind == FormSlot::ImperativePlural && entry.key == "IMP")
        known.insert(entry.words[1]);
    else if (slot.kind == FormSlot::Pronoun && entry.key == "REFL")
        known.insert((entry.words[0] == "dat" ? DativePronouns : AccusativePronouns)[slot.person]);
}

} // namespace

KnownForms knownForms(const verbgen::FormDictionary &dictionary,
                      const verbgen::SpellingReplacements &spelling,
                      const verbgen::ReviewedAlternatives &reviewed)
{
    return [&](const QString &listed, const BaseVerb &base, const FormSlot &slot) {
        QSet<QString> known;
        if (std::optional<verbgen::SimpleForms> forms = dictionary.forms(base.infinitive)) {
            verbgen::applySpelling(*forms, spelling);
            addDictionaryForms(known, *forms, slot);
        }
        for (const QString &verb : {listed, base.infinitive}) {
            for (const verbgen::ReviewedAlternative &entry : reviewed.of(verb))
                addReviewedForms(known, entry, slot);
        }
        known.remove(QString());
        known.remove(QStringLiteral("-"));
        return known;
    };
}

} // namespace verbcheck
