// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReferenceComparison.h"

#include "FormRules.h"
#include "VerbFileChecker.h"

#include <QHash>

namespace verbcheck {

namespace {

// The prefixes that make a separable and an inseparable verb of one stem.
const QStringList TwoWayPrefixes = {"durch", "über", "um", "unter", "wieder"};
const QString ReflexivePrefix = QStringLiteral("sich ");

QString withoutSich(const QString &verb)
{
    return verb.startsWith(ReflexivePrefix) ? verb.mid(ReflexivePrefix.size()) : verb;
}

void compareSeparability(const KeyForms &forms, data::Category category,
                         const References &references, Disagreement &found)
{
    if (!references.splitsOffPrefix || category == data::Category::TwoWord)
        return;
    const QString infinitive = forms.particle.isEmpty() || forms.particle.contains(' ')
                                   ? forms.base
                                   : forms.particle + forms.base;
    const bool twoWay =
        std::any_of(TwoWayPrefixes.begin(), TwoWayPrefixes.end(), [&](const QString &prefix) {
            return infinitive.startsWith(prefix) && infinitive.size() > prefix.size() + 3;
        });
    const std::optional<bool> dictionarySplits = references.splitsOffPrefix(infinitive);
    if (!twoWay || !dictionarySplits)
        return;
    const bool fileSplits = !forms.particle.isEmpty() && !forms.particle.contains(' ');
    if (fileSplits != *dictionarySplits) {
        found.kind = "separable";
        found.detail = QStringLiteral("the file conjugates %1 as %2, the dictionary as %3")
                           .arg(infinitive, fileSplits ? "separable" : "inseparable",
                                *dictionarySplits ? "separable" : "inseparable");
    }
}

// Ding's spelled-out Perfekt for the meanings the file gives, with this participle.
void compareWithDing(const KeyForms &forms, const DingDictionary &ding, Disagreement &found)
{
    const QString participle = forms.participle.split(' ').last();
    QSet<QString> meanings;
    for (const QString &part : forms.english.split(QStringLiteral(", ")))
        meanings.insert(normalisedEnglish(part));
    bool sein = false, haben = false;
    for (const QString &headword : {forms.listed, withoutSich(forms.listed)}) {
        for (const DingDictionary::Perfect &perfect : ding.perfects(headword)) {
            if (perfect.participle == participle && perfect.translations.intersects(meanings))
                (perfect.sein ? sein : haben) = true;
        }
    }
    const bool fileSein = forms.auxiliary == QLatin1String("ist");
    if ((fileSein && haben && !sein) || (!fileSein && sein && !haben)) {
        found.kind = "auxiliary";
        found.detail = QStringLiteral("the file has \"%1 %2\", Ding \"%3/%4 %2\" for \"%5\"")
                           .arg(forms.auxiliary, participle, sein ? "ist" : "hat",
                                sein ? "war" : "hatte", forms.english);
    }
}

} // namespace

QList<Disagreement> compareWithReferences(const data::VerbFile &file, const References &references)
{
    QHash<QString, QString> auxiliaryOf; // listed verb -> "hat" or "ist"
    QList<std::pair<data::Category, KeyForms>> records;
    for (qsizetype record = 0; record < file.recordCount(); ++record) {
        const auto category = recordCategory(file, record);
        if (!category)
            continue;
        records.append({*category, keyFormsOf(file, record, *category)});
        auxiliaryOf.insert(records.last().second.listed, records.last().second.auxiliary);
    }
    QList<Disagreement> disagreements;
    for (qsizetype record = 0; record < records.size(); ++record) {
        const auto &[category, forms] = records[record];
        const auto note = [&](const auto &compare) {
            Disagreement found{record, forms.listed, {}, {}};
            compare(found);
            if (!found.kind.isEmpty())
                disagreements.append(found);
        };
        note([&](Disagreement &found) { compareSeparability(forms, category, references, found); });
        if (references.ding)
            note([&](Disagreement &found) { compareWithDing(forms, *references.ding, found); });
        note([&](Disagreement &found) {
            if (!forms.particle.isEmpty() && forms.auxiliary == QLatin1String("hat") &&
                auxiliaryOf.value(forms.base) == QLatin1String("ist")) {
                found.kind = "auxiliary";
                found.detail =
                    QStringLiteral("haben, but its base verb \"%1\" takes sein").arg(forms.base);
            }
        });
    }
    return disagreements;
}

QString reviewKey(const Disagreement &disagreement)
{
    return disagreement.kind + '\t' + disagreement.verb;
}

} // namespace verbcheck
