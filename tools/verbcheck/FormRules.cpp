// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormRules.h"

namespace verbcheck {

namespace {

const QString ReflexivePrefix = QStringLiteral("sich ");
const QString ObjectPlaceholder = QStringLiteral("etwas ");

// Boxes of the grid: the rows du and er/sie/es in column 2 (the finite verb
// of the simple tenses), ihr beside them, the er row's columns 1 and 3 (the
// auxiliary and participle of the compound tenses) and column 4 (prefix or
// first word).
constexpr int DuVerbBox = 6, ErVerbBox = 8, IhrVerbBox = 22, ErAuxiliaryBox = 4, ErPronounBox = 12,
              ErParticipleBox = 12, ErParticleBox = 16, ErWordBox = 8;
constexpr int PresentTense = 0, PastTense = 1, PerfectTense = 3;

int lineOfBox(data::Category category, int tense, int box)
{
    const data::TenseBlock block = data::tenseBlock(category, tense);
    for (int j = 0; j < block.answerCount; ++j) {
        if (block.boxes[j] == box)
            return block.answerLine(j);
    }
    return -1;
}

bool isVowel(QChar c)
{
    return QStringLiteral("aeiouäöüy").contains(c);
}

QString stemOf(const QString &infinitive)
{
    if (infinitive.endsWith(QLatin1String("en")))
        return infinitive.chopped(2);
    return infinitive.endsWith('n') ? infinitive.chopped(1) : infinitive;
}

bool isSibilantStem(const QString &stem)
{
    return !stem.endsWith(QLatin1String("sch")) && !stem.isEmpty() &&
           QStringLiteral("sßxz").contains(stem.back());
}

// Stems whose endings keep their -e-: arbeit-est, find-et, atm-et, rechn-et;
// not lern-st, wohn-t, komm-t.
bool keepsLinkingE(const QString &stem)
{
    if (stem.size() < 2)
        return false;
    const QChar last = stem.back();
    const QChar before = stem[stem.size() - 2];
    if (last == 'd' || last == 't')
        return true;
    if (last != 'm' && last != 'n')
        return false;
    return stem.endsWith(QStringLiteral("ch") + last) ||
           (!isVowel(before) && !QStringLiteral("lrmnh").contains(before));
}

QString quoted(const QString &form)
{
    return QStringLiteral("\"%1\"").arg(form);
}

void checkPresent(const KeyForms &f, const QString &stem, QList<FormFinding> &findings)
{
    const QString &du = f.presentDu;
    if (!du.isEmpty() && isSibilantStem(stem) && !f.presentEr.isEmpty()) {
        // du liest like er liest; du weißt beside er weiß.
        const QString expected = f.presentEr.endsWith('t') ? f.presentEr : f.presentEr + 't';
        if (du != expected)
            findings.append(
                {FormFinding::PresentDu, QStringLiteral("du %1: a stem in -%2 takes only -t (%3)")
                                             .arg(quoted(du), stem.back(), quoted(expected))});
    }
    if (!du.isEmpty() && stem.endsWith(QLatin1String("sch")) && f.presentEr.endsWith('t')) {
        const QString expected = f.presentEr.chopped(1) + "st";
        if (du != expected)
            findings.append(
                {FormFinding::PresentDu, QStringLiteral("du %1: a stem in -sch takes -st (%2)")
                                             .arg(quoted(du), quoted(expected))});
    }
    if (!keepsLinkingE(stem))
        return;
    const std::pair<FormFinding::Place, const QString *> persons[] = {
        {FormFinding::PresentDu, &f.presentDu},
        {FormFinding::PresentEr, &f.presentEr},
        {FormFinding::PresentIhr, &f.presentIhr}};
    for (const auto &[place, form] : persons) {
        const QString ending = place == FormFinding::PresentDu ? "est" : "et";
        if (form->isEmpty() || !form->startsWith(stem)) {
            // A changed vowel takes no -e-: du hältst, trittst, lädst.
            if (place == FormFinding::PresentDu && form->endsWith(ending))
                findings.append(
                    {place, QStringLiteral("du %1: with a changed vowel the ending is -st")
                                .arg(quoted(*form))});
            continue;
        }
        if (*form != stem + ending)
            findings.append(
                {place, QStringLiteral("%1: a stem in -%2 keeps the e of -%3 (%4)")
                            .arg(quoted(*form), stem.back(), ending, quoted(stem + ending))});
    }
}

void checkPastDu(const KeyForms &f, QList<FormFinding> &findings)
{
    const QString &past = f.pastEr;
    if (past.isEmpty() || f.pastDu.isEmpty())
        return;
    const bool longEnding = !past.endsWith('e') && QStringLiteral("dtsßzx").contains(past.back());
    const QString expected = past + (longEnding ? "est" : "st");
    if (f.pastDu != expected)
        findings.append({FormFinding::PastDu, QStringLiteral("Präteritum du %1: expected %2")
                                                  .arg(quoted(f.pastDu), quoted(expected))});
}

void checkType(const KeyForms &f, const QString &stem, QList<FormFinding> &findings)
{
    // Modal verbs and unknown letters (reported on their own) are left out.
    if (!QByteArrayView("wsmi").contains(f.type) || f.pastEr.isEmpty() || f.participle.isEmpty())
        return;
    const bool weakPast = f.pastEr == stem + "te" || f.pastEr == stem + "ete";
    const bool weakParticiple =
        f.participle.endsWith(stem + 't') || f.participle.endsWith(stem + "et");
    const bool strongPast = !f.pastEr.endsWith(QLatin1String("te"));
    const bool strongParticiple = f.participle.endsWith('n');
    const QString forms = QStringLiteral("%1, %2").arg(f.pastEr, f.participle);
    QString fault;
    if (weakPast && weakParticiple && f.type != 'w')
        fault = QStringLiteral("the forms (%1) are weak: type w").arg(forms);
    else if (f.type == 'w' && !(weakPast && weakParticiple))
        fault = QStringLiteral("type w, but the forms (%1) are not weak").arg(forms);
    else if (f.type == 's' && !strongPast)
        fault = QStringLiteral("type s, but the Präteritum (%1) is weak").arg(f.pastEr);
    else if (f.type == 'm' && strongPast && strongParticiple)
        fault = QStringLiteral("type m, but the forms (%1) are strong").arg(forms);
    if (!fault.isEmpty())
        findings.append({FormFinding::TypeLetter, fault});
}

} // namespace

KeyForms keyFormsOf(const data::VerbFile &file, qsizetype record, data::Category category)
{
    const auto box = [&](int tense, int box) {
        const int line = lineOfBox(category, tense, box);
        return line < 0 ? QString() : data::answerText(file.recordLine(record, line));
    };
    KeyForms forms;
    const data::RecordHeader &header = file.header(record);
    forms.listed = data::answerTextOfPayload(header.name);
    forms.type = header.typeCode;
    forms.particle = box(PresentTense, ErParticleBox);
    QString verb = forms.listed;
    for (const QString &placeholder : {ReflexivePrefix, ObjectPlaceholder}) {
        if (verb.startsWith(placeholder))
            verb = verb.mid(placeholder.size());
    }
    if (!forms.particle.isEmpty() && verb.startsWith(forms.particle))
        verb = verb.mid(forms.particle.size()).trimmed();
    forms.base = verb;
    forms.presentDu = box(PresentTense, DuVerbBox);
    forms.presentEr = box(PresentTense, ErVerbBox);
    forms.presentIhr = box(PresentTense, IhrVerbBox);
    forms.pastDu = box(PastTense, DuVerbBox);
    forms.pastEr = box(PastTense, ErVerbBox);
    forms.pastPronoun = box(PastTense, ErPronounBox);
    forms.pastParticle = box(PastTense, ErParticleBox);
    forms.participle = box(PerfectTense, ErParticipleBox);
    forms.auxiliary = box(PerfectTense, ErAuxiliaryBox);
    forms.perfectWord = box(PerfectTense, ErWordBox);
    forms.english = data::answerTextOfPayload(header.meaning);
    return forms;
}

QString principalParts(const KeyForms &f)
{
    if (f.pastEr.isEmpty() || f.auxiliary.isEmpty() || f.participle.isEmpty())
        return {};
    const auto words = [](QStringList parts) {
        parts.removeAll(QString());
        return parts.join(' ');
    };
    return words({f.pastEr, f.pastPronoun, f.pastParticle}) + ", " +
           words({f.auxiliary, f.perfectWord, f.participle});
}

bool isWholePrincipalParts(const QString &caption, const KeyForms &forms)
{
    const QString parts = principalParts(forms);
    return parts.isEmpty() || caption == parts || caption == forms.listed + ", " + parts;
}

int recordLineOf(data::Category category, FormFinding::Place place)
{
    switch (place) {
    case FormFinding::PresentDu:
        return lineOfBox(category, PresentTense, DuVerbBox);
    case FormFinding::PresentEr:
        return lineOfBox(category, PresentTense, ErVerbBox);
    case FormFinding::PresentIhr:
        return lineOfBox(category, PresentTense, IhrVerbBox);
    case FormFinding::PastDu:
        return lineOfBox(category, PastTense, DuVerbBox);
    case FormFinding::TypeLetter:
        break;
    }
    return 1; // the type letter's line
}

QList<FormFinding> checkKeyForms(const KeyForms &forms)
{
    QList<FormFinding> findings;
    const QString stem = stemOf(forms.base);
    if (stem.isEmpty())
        return findings;
    checkPresent(forms, stem, findings);
    checkPastDu(forms, findings);
    checkType(forms, stem, findings);
    return findings;
}

} // namespace verbcheck
