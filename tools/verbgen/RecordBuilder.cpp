// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordBuilder.h"

#include <algorithm>
#include <functional>

namespace verbgen {

namespace {

using Boxes = std::array<QString, BoxCount + 1>;

// Rows of the grid, top to bottom: left block ich, du, Sie, er/sie/es; right
// block wir, ihr, Sie, sie. Both "Sie" rows carry the 3rd person plural.
struct Row {
    int firstColumnBox;
    Person person;
};
constexpr std::array<Row, 8> Rows = {{{1, FirstSingular},
                                      {2, SecondSingular},
                                      {3, ThirdPlural},
                                      {4, ThirdSingular},
                                      {17, FirstPlural},
                                      {18, SecondPlural},
                                      {19, ThirdPlural},
                                      {20, ThirdPlural}}};
constexpr int RowsPerColumn = 4;
constexpr int ImperativeDu = 33, ImperativeIhr = 34, ImperativeSie = 35, ImperativeRest = 36;

const PersonForms AccusativePronouns = {"mich", "dich", "sich", "uns", "euch", "sich"};
const PersonForms DativePronouns = {"mir", "dir", "sich", "uns", "euch", "sich"};

void fillColumn(Boxes &boxes, int column, const std::function<QString(Person)> &text)
{
    for (const Row &row : Rows)
        boxes[row.firstColumnBox + RowsPerColumn * (column - 1)] = text(row.person);
}

QString joined(const QStringList &words)
{
    QStringList present;
    for (const QString &word : words) {
        if (!word.isEmpty())
            present << word;
    }
    return present.join(' ');
}

class Builder {
public:
    Builder(const VerbEntry &entry, const SimpleForms &forms, const Auxiliaries &auxiliaries)
        : m_entry(entry), m_forms(forms), m_aux(auxiliaries),
          m_auxiliary(entry.auxiliarySein ? auxiliaries.sein : auxiliaries.haben),
          m_pronouns(entry.reflexive == ReflexiveCase::Dative ? DativePronouns : AccusativePronouns)
    {
    }

    RecordText build() const
    {
        RecordText record;
        record.listed = m_entry.listed;
        record.category = m_entry.category;
        record.type = m_entry.type;
        record.impersonal = m_entry.impersonal;
        record.esOnly = m_entry.esOnly;
        record.withoutImperative = m_entry.withoutImperative;
        // The participle and its alternatives; the trainer shows no more than 4.
        record.variants =
            static_cast<char>('0' + std::min<qsizetype>(m_forms.participles.size(), 4));
        record.principalParts = principalParts();
        record.english = m_entry.english;
        const QString participle = m_forms.participles.value(0);
        const QString &infinitive = m_forms.infinitive;
        simple(record.boxes[0], m_forms.present);
        simple(record.boxes[1], m_forms.past);
        compound(record.boxes[2], m_aux.werden.present, infinitive);
        compound(record.boxes[3], m_auxiliary.present, participle);
        compound(record.boxes[4], m_auxiliary.past, participle);
        futurePerfect(record.boxes[5], m_aux.werden.present);
        simple(record.boxes[6], m_forms.subjunctive1);
        simple(record.boxes[7], m_forms.subjunctive2);
        compound(record.boxes[8], m_auxiliary.subjunctive1, participle);
        compound(record.boxes[9], m_auxiliary.subjunctive2, participle);
        compound(record.boxes[10], m_aux.werden.subjunctive1, infinitive);
        compound(record.boxes[11], m_aux.werden.subjunctive2, infinitive);
        futurePerfect(record.boxes[12], m_aux.werden.subjunctive1);
        futurePerfect(record.boxes[13], m_aux.werden.subjunctive2);
        if (m_entry.hasImperative())
            imperative(record.boxes[14]);
        if (m_entry.impersonal)
            keepThirdPersonOnly(record, m_entry.esOnly);
        return record;
    }

private:
    char category() const { return m_entry.category; }
    const QString &particle() const { return m_entry.particle; }
    bool separable() const { return m_entry.isSeparable(); }
    QString auxiliaryInfinitive() const { return m_entry.auxiliarySein ? "sein" : "haben"; }

    // The participle or infinitive as column 3 shows it: with the separable
    // prefix fused, a reflexive verb's words apart ("Sorgen gemacht"), without
    // a two-word verb's first word.
    QString nonFinite(const QString &baseForm) const
    {
        if (m_entry.particleIsWords())
            return joined({particle(), baseForm});
        return separable() ? particle() + baseForm : baseForm;
    }

    // A verb said only of things and events keeps the er/sie/es and sie rows;
    // one said only with "es" (es regnet) the er/sie/es row alone.
    static void keepThirdPersonOnly(RecordText &record, bool esOnly)
    {
        constexpr int LeftBlockBoxes = 16;
        for (int tense = 0; tense < TenseCount; ++tense) {
            for (int box = 1; box <= 32; ++box) {
                if (box % RowsPerColumn != 0 || (esOnly && box > LeftBlockBoxes))
                    record.boxes[tense][box].clear();
            }
        }
    }

    void simple(Boxes &boxes, const PersonForms &finite) const
    {
        fillColumn(boxes, 2, [&](Person p) { return finite[p]; });
        if (category() == 'r')
            fillColumn(boxes, 3, [&](Person p) { return m_pronouns[p]; });
        if (category() != 'n')
            fillColumn(boxes, 4, [&](Person) { return particle(); });
    }

    void compound(Boxes &boxes, const PersonForms &auxiliary, const QString &baseForm) const
    {
        fillColumn(boxes, 1, [&](Person p) { return auxiliary[p]; });
        if (category() == 'r')
            fillColumn(boxes, 2, [&](Person p) { return m_pronouns[p]; });
        if (category() == 'd')
            fillColumn(boxes, 2, [&](Person) { return particle(); });
        fillColumn(boxes, 3, [&](Person) { return nonFinite(baseForm); });
    }

    void futurePerfect(Boxes &boxes, const PersonForms &werden) const
    {
        compound(boxes, werden, m_forms.participles.value(0));
        fillColumn(boxes, 4, [&](Person) { return auxiliaryInfinitive(); });
    }

    void imperative(Boxes &boxes) const
    {
        const QString rest = category() == 'r' ? joined({"sich", particle()}) : particle();
        const auto withObject = [&](const QString &verb, Person person) {
            const QString pronoun = category() == 'r' ? m_pronouns[person] : QString();
            return joined({verb, pronoun, particle()});
        };
        boxes[ImperativeDu] = withObject(m_forms.imperativeSingular, SecondSingular);
        boxes[ImperativeIhr] = withObject(m_forms.imperativePlural, SecondPlural);
        boxes[ImperativeSie] = m_forms.subjunctive1[ThirdPlural];
        if (category() != 'n')
            boxes[ImperativeRest] = rest;
    }

    QString principalParts() const
    {
        const bool reflexive = category() == 'r';
        const QString past = joined({m_forms.past[ThirdSingular], particle()});
        const QString firstWord = category() == 'd' ? particle() : QString();
        return verbgen::principalParts(past, m_auxiliary.present[ThirdSingular],
                                       reflexive ? QString("sich") : firstWord,
                                       nonFinite(m_forms.participles.value(0)), reflexive);
    }

    const VerbEntry &m_entry;
    const SimpleForms &m_forms;
    const Auxiliaries &m_aux;
    const SimpleForms &m_auxiliary;
    const PersonForms &m_pronouns;
};

} // namespace

QString principalParts(const QString &past, const QString &auxiliary, const QString &repeated,
                       const QString &participle, bool reflexive)
{
    // "zog an" says "zog sich an"; the Perfekt repeats "sich" before the participle.
    QStringList pastWords = past.split(' ');
    if (reflexive)
        pastWords.insert(1, "sich");
    return QStringLiteral("%1, %2").arg(pastWords.join(' '),
                                        joined({auxiliary, repeated, participle}));
}

RecordText buildRecord(const VerbEntry &entry, const SimpleForms &forms,
                       const Auxiliaries &auxiliaries)
{
    return Builder(entry, forms, auxiliaries).build();
}

} // namespace verbgen
