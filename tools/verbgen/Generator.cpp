// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Generator.h"

#include "AlternativeForms.h"

#include <QCollator>
#include <QHash>
#include <QLocale>
#include <QSet>

#include <algorithm>

namespace verbgen {

namespace {

const QString ReflexivePrefix = QStringLiteral("sich ");

class FormResolver {
public:
    FormResolver(const std::vector<VerbEntry> &table, const FormDictionary &dictionary,
                 const SpellingReplacements &spelling)
        : m_dictionary(dictionary), m_spelling(spelling)
    {
        for (const VerbEntry &entry : table) {
            if (entry.category == 'n')
                m_plainLines.insert(entry.listed, &entry);
        }
    }

    // The corrected forms of `entry`'s base verb, or the reasons it has none.
    std::optional<SimpleForms> resolve(const VerbEntry &entry, QStringList &faults) const
    {
        const QString base = entry.baseInfinitive();
        std::optional<SimpleForms> forms = correctedDictionaryForms(base);
        // A verb the dictionary lacks (frühstücken) takes every form from its table line.
        const bool fromTableOnly = !forms;
        if (fromTableOnly)
            forms = SimpleForms{};
        bool participlesChosen = entry.overrides.contains("PART");
        const VerbEntry *plain = m_plainLines.value(base);
        if (plain && plain != &entry) {
            applyOverrides(*forms, plain->overrides);
            participlesChosen = participlesChosen || plain->overrides.contains("PART");
        }
        applyOverrides(*forms, entry.overrides);
        forms->infinitive = base;
        if (forms->participles.size() > 1 && !participlesChosen)
            faults << QStringLiteral("the dictionary gives the participles %1 for \"%2\": "
                                     "choose with PART=")
                          .arg(forms->participles.join(", "), base);
        const QStringList missing = missingForms(*forms, entry.hasImperative());
        if (fromTableOnly && !missing.isEmpty())
            faults << QStringLiteral("\"%1\" is not in the verb dictionary; give its forms with "
                                     "PRES, PAST, SUBJ1, SUBJ2, PART and IMP (missing: %2)")
                          .arg(base, missing.join(", "));
        else if (!missing.isEmpty())
            faults << QStringLiteral("no form for %1 of \"%2\"").arg(missing.join(", "), base);
        return faults.isEmpty() ? forms : std::nullopt;
    }

    std::optional<SimpleForms> correctedDictionaryForms(const QString &infinitive) const
    {
        std::optional<SimpleForms> forms = m_dictionary.forms(infinitive);
        if (!forms)
            return std::nullopt;
        applySpelling(*forms, m_spelling);
        lengthenPastSecondPerson(*forms);
        forms->imperativeSingular =
            imperativeWithoutOptionalE(forms->imperativeSingular, infinitive);
        return forms;
    }

    // The base verb's du imperative as the dictionary spells it (with any -e).
    QString dictionaryImperative(const VerbEntry &entry) const
    {
        std::optional<SimpleForms> forms = m_dictionary.forms(entry.baseInfinitive());
        if (!forms)
            return {};
        applySpelling(*forms, m_spelling);
        return forms->imperativeSingular;
    }

    // The reviewed alternatives that hold for `entry`: its own, and those of
    // its base verb's plain line for the keys its own line does not correct.
    std::vector<ReviewedAlternative> reviewedFor(const VerbEntry &entry,
                                                 const ReviewedAlternatives &reviewed) const
    {
        std::vector<ReviewedAlternative> found = reviewed.of(entry.listed);
        const VerbEntry *plain = m_plainLines.value(entry.baseInfinitive());
        if (plain && plain != &entry) {
            for (const ReviewedAlternative &inherited : reviewed.of(plain->listed)) {
                if (!entry.overrides.contains(inherited.key) && inherited.key != "REFL")
                    found.push_back(inherited);
            }
        }
        return found;
    }

    // An auxiliary with its table line's corrections, if it has one.
    std::optional<SimpleForms> auxiliary(const QString &infinitive) const
    {
        std::optional<SimpleForms> forms = correctedDictionaryForms(infinitive);
        if (forms && m_plainLines.contains(infinitive))
            applyOverrides(*forms, m_plainLines.value(infinitive)->overrides);
        return forms;
    }

private:
    const FormDictionary &m_dictionary;
    const SpellingReplacements &m_spelling;
    QHash<QString, const VerbEntry *> m_plainLines;
};

// Lays out each variant as a record and keeps where it differs from the
// board's; a reviewed entry of the verb itself that adds nothing is a fault.
void addVariants(RecordText &record, const VerbEntry &entry,
                 const std::vector<FormVariant> &variants, const Auxiliaries &auxiliaries,
                 const ReviewedAlternatives &reviewed, QStringList &faults)
{
    QSet<int> ownLines;
    for (const ReviewedAlternative &own : reviewed.of(entry.listed))
        ownLines.insert(own.listLine);
    for (const FormVariant &variant : variants) {
        VerbEntry variantEntry = entry;
        variantEntry.reflexive = variant.reflexive;
        const int added =
            addAlternatives(record, buildRecord(variantEntry, variant.forms, auxiliaries));
        if (added == 0 && ownLines.contains(variant.listLine))
            faults << QStringLiteral("alternatives line %1 adds no form to the board")
                          .arg(variant.listLine);
    }
}

} // namespace

QString sortKey(const QString &listed)
{
    return listed.startsWith(ReflexivePrefix) ? listed.mid(ReflexivePrefix.size()) : listed;
}

void sortRecords(QList<RecordText> &records)
{
    QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
    collator.setCaseSensitivity(Qt::CaseSensitive);
    std::stable_sort(records.begin(), records.end(), [&](const RecordText &a, const RecordText &b) {
        const int byKey = collator.compare(sortKey(a.listed), sortKey(b.listed));
        return byKey != 0 ? byKey < 0 : collator.compare(a.listed, b.listed) < 0;
    });
}

QList<RecordText> buildRecords(const std::vector<VerbEntry> &table,
                               const FormDictionary &dictionary,
                               const SpellingReplacements &spelling,
                               const ReviewedAlternatives &reviewed)
{
    const FormResolver resolver(table, dictionary, spelling);
    QStringList faults;
    Auxiliaries auxiliaries;
    const std::pair<const char *, SimpleForms *> needed[] = {{"haben", &auxiliaries.haben},
                                                             {"sein", &auxiliaries.sein},
                                                             {"werden", &auxiliaries.werden}};
    for (const auto &[name, forms] : needed) {
        const auto found = resolver.auxiliary(name);
        if (!found)
            throw TableError(std::string("the verb dictionary lacks the auxiliary ") + name);
        *forms = *found;
    }

    QList<RecordText> records;
    QSet<QString> listed;
    for (const VerbEntry &entry : table) {
        QStringList entryFaults;
        if (listed.contains(entry.listed))
            entryFaults << QStringLiteral("listed twice");
        listed.insert(entry.listed);
        std::optional<SimpleForms> forms = resolver.resolve(entry, entryFaults);
        if (forms && entryFaults.isEmpty()) {
            const auto variants = formVariants(entry, *forms, resolver.dictionaryImperative(entry),
                                               resolver.reviewedFor(entry, reviewed), entryFaults);
            RecordText record = buildRecord(entry, *forms, auxiliaries);
            addVariants(record, entry, variants, auxiliaries, reviewed, entryFaults);
            records << record;
        }
        for (const QString &fault : entryFaults)
            faults
                << QStringLiteral("line %1 (%2): %3").arg(entry.tableLine).arg(entry.listed, fault);
    }
    for (const ReviewedAlternative &alternative : reviewed.entries()) {
        if (!listed.contains(alternative.verb))
            faults << QStringLiteral("alternatives line %1: no verb \"%2\" in the table")
                          .arg(alternative.listLine)
                          .arg(alternative.verb);
    }
    if (!faults.isEmpty())
        throw TableError(faults.join('\n').toStdString());
    sortRecords(records);
    return records;
}

} // namespace verbgen
