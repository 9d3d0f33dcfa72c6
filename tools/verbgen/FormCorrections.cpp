// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormCorrections.h"

namespace verbgen {

namespace {

bool isVowel(QChar c)
{
    return QStringLiteral("aeiouäöüy").contains(c);
}

template <typename Function> void forEachForm(SimpleForms &forms, Function change)
{
    for (PersonForms *tense :
         {&forms.present, &forms.past, &forms.subjunctive1, &forms.subjunctive2})
        for (QString &form : *tense)
            form = change(form);
    for (QString &participle : forms.participles)
        participle = change(participle);
    forms.imperativeSingular = change(forms.imperativeSingular);
    forms.imperativePlural = change(forms.imperativePlural);
}

} // namespace

SpellingReplacements SpellingReplacements::parse(const QString &text, const QString &fileName)
{
    SpellingReplacements replacements;
    QStringList faults;
    const QStringList lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList fields = line.split('\t', Qt::SkipEmptyParts);
        if (fields.size() != 2 || fields[0] == fields[1] ||
            replacements.m_words.contains(fields[0]))
            faults << QStringLiteral("%1:%2: expected \"old<TAB>new\", each old word once")
                          .arg(fileName)
                          .arg(i + 1);
        else
            replacements.m_words.insert(fields[0], fields[1]);
    }
    if (!faults.isEmpty())
        throw TableError(faults.join('\n').toStdString());
    return replacements;
}

QString SpellingReplacements::apply(const QString &form) const
{
    QStringList words = form.split(' ');
    for (QString &word : words)
        word = m_words.value(word, word);
    return words.join(' ');
}

void applySpelling(SimpleForms &forms, const SpellingReplacements &replacements)
{
    forEachForm(forms, [&](const QString &form) { return replacements.apply(form); });
    forms.participles.removeDuplicates();
}

void lengthenPastSecondPerson(SimpleForms &forms)
{
    const QString &stem = forms.past[FirstSingular];
    if (stem.isEmpty() || stem.endsWith('e'))
        return;
    const QChar last = stem.back();
    if (QStringLiteral("dtsßzx").contains(last))
        forms.past[SecondSingular] = stem + "est";
    if (last == 'd' || last == 't')
        forms.past[SecondPlural] = stem + "et";
}

QString imperativeWithoutOptionalE(const QString &imperative, const QString &infinitive)
{
    if (!imperative.endsWith('e') || imperative.size() < 3 || infinitive.endsWith("eln") ||
        infinitive.endsWith("ern"))
        return imperative;
    const QString stem = imperative.chopped(1);
    const QChar last = stem.back();
    const QChar beforeLast = stem[stem.size() - 2];
    const bool afterDiphthong = beforeLast == 'e' || beforeLast == 'a'; // schrei, zeig
    if (last == 'd' || last == 't' || (last == 'i' && !afterDiphthong) ||
        (stem.endsWith("ig") && !stem.endsWith("eig")))
        return imperative;
    if (last == 'm' || last == 'n') {
        const bool consonantCluster =
            !isVowel(beforeLast) && !QStringLiteral("lrmnh").contains(beforeLast);
        const bool afterCh = stem.endsWith(QStringLiteral("ch") + last);
        if (consonantCluster || afterCh)
            return imperative;
    }
    return stem;
}

void applyOverrides(SimpleForms &forms, const FormOverrides &overrides)
{
    const std::pair<const char *, PersonForms *> tenses[] = {{"PRES", &forms.present},
                                                             {"PAST", &forms.past},
                                                             {"SUBJ1", &forms.subjunctive1},
                                                             {"SUBJ2", &forms.subjunctive2}};
    for (const auto &[key, tense] : tenses) {
        if (overrides.contains(key)) {
            if (const auto expanded = expandPersonWords(overrides.value(key)))
                *tense = *expanded;
        }
    }
    if (overrides.contains("PART"))
        forms.participles = overrides.value("PART");
    if (overrides.contains("IMP")) {
        forms.imperativeSingular = overrides.value("IMP").value(0);
        forms.imperativePlural = overrides.value("IMP").value(1);
    }
}

QStringList missingForms(const SimpleForms &forms, bool hasImperative)
{
    static const char *personNames[] = {"ich", "du", "er", "wir", "ihr", "sie"};
    QStringList missing;
    const std::pair<const char *, const PersonForms *> tenses[] = {
        {"present", &forms.present},
        {"past", &forms.past},
        {"Konjunktiv I", &forms.subjunctive1},
        {"Konjunktiv II", &forms.subjunctive2}};
    for (const auto &[name, tense] : tenses) {
        for (int person = 0; person < PersonCount; ++person) {
            if ((*tense)[person].isEmpty())
                missing << QStringLiteral("%1 %2").arg(name, personNames[person]);
        }
    }
    if (forms.participles.isEmpty())
        missing << QStringLiteral("participle");
    if (hasImperative && (forms.imperativeSingular.isEmpty() || forms.imperativePlural.isEmpty()))
        missing << QStringLiteral("imperative");
    return missing;
}

} // namespace verbgen
