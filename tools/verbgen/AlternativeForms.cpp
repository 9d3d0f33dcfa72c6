// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AlternativeForms.h"

#include "FormCorrections.h"

namespace verbgen {

namespace {

PersonForms *personForms(SimpleForms &forms, const QString &key)
{
    if (key == "PRES")
        return &forms.present;
    if (key == "PAST")
        return &forms.past;
    if (key == "SUBJ1")
        return &forms.subjunctive1;
    if (key == "SUBJ2")
        return &forms.subjunctive2;
    return nullptr;
}

// The board's forms with a reviewed entry's put in; PART is handled apart.
FormVariant reviewedVariant(const VerbEntry &entry, const SimpleForms &forms,
                            const ReviewedAlternative &reviewed, QStringList &faults)
{
    FormVariant variant{forms, entry.reflexive, reviewed.listLine};
    const auto replace = [](QString &form, const QString &alternative) {
        if (!alternative.isEmpty() && alternative != QLatin1String("-"))
            form = alternative;
    };
    if (PersonForms *persons = personForms(variant.forms, reviewed.key)) {
        const PersonForms alternatives = *personAlternatives(reviewed.words);
        for (int person = 0; person < PersonCount; ++person)
            replace((*persons)[person], alternatives[person]);
    } else if (reviewed.key == "IMP") {
        replace(variant.forms.imperativeSingular, reviewed.words[0]);
        replace(variant.forms.imperativePlural, reviewed.words[1]);
    } else if (reviewed.key == "REFL") {
        variant.reflexive =
            reviewed.words[0] == "dat" ? ReflexiveCase::Dative : ReflexiveCase::Accusative;
        if (entry.category != 'r' || variant.reflexive == entry.reflexive)
            faults << QStringLiteral("alternatives line %1: REFL names a case the verb does not "
                                     "take besides its own")
                          .arg(reviewed.listLine);
    }
    return variant;
}

} // namespace

std::vector<FormVariant> formVariants(const VerbEntry &entry, SimpleForms &forms,
                                      const QString &dictionaryImperative,
                                      const std::vector<ReviewedAlternative> &reviewed,
                                      QStringList &faults)
{
    for (const ReviewedAlternative &alternative : reviewed) {
        if (alternative.key != "PART")
            continue;
        for (const QString &participle : alternative.words) {
            if (forms.participles.contains(participle))
                faults << QStringLiteral("alternatives line %1: %2 is already a participle of "
                                         "the verb")
                              .arg(alternative.listLine)
                              .arg(participle);
            else
                forms.participles << participle;
        }
    }
    std::vector<FormVariant> variants;
    for (qsizetype i = 1; i < forms.participles.size(); ++i) {
        FormVariant participle{forms, entry.reflexive, 0};
        participle.forms.participles = QStringList{forms.participles[i]};
        variants.push_back(participle);
    }
    if (dictionaryImperative != forms.imperativeSingular && !forms.imperativeSingular.isEmpty() &&
        imperativeWithoutOptionalE(dictionaryImperative, forms.infinitive) ==
            forms.imperativeSingular) {
        FormVariant withE{forms, entry.reflexive, 0};
        withE.forms.imperativeSingular = dictionaryImperative;
        variants.push_back(withE);
    }
    for (const ReviewedAlternative &alternative : reviewed) {
        if (alternative.key != "PART")
            variants.push_back(reviewedVariant(entry, forms, alternative, faults));
    }
    // The other pronoun goes with every other form too: "traue dir" beside "trau dich".
    const qsizetype count = static_cast<qsizetype>(variants.size());
    for (qsizetype i = 0; i < count; ++i) {
        for (qsizetype j = 0; j < count; ++j) {
            if (variants[i].reflexive != entry.reflexive &&
                variants[j].reflexive == entry.reflexive)
                variants.push_back(FormVariant{variants[j].forms, variants[i].reflexive, 0});
        }
    }
    return variants;
}

int addAlternatives(RecordText &board, const RecordText &variant)
{
    int added = 0;
    for (int tense = 0; tense < TenseCount; ++tense) {
        for (int box = 1; box <= BoxCount; ++box) {
            const QString &shown = board.boxes[tense][box];
            const QString &other = variant.boxes[tense][box];
            if (shown.isEmpty() || other.isEmpty() || other == shown)
                continue;
            QStringList &alternatives = board.alternatives[{tense, box}];
            if (!alternatives.contains(other)) {
                alternatives << other;
                ++added;
            }
        }
    }
    return added;
}

} // namespace verbgen
