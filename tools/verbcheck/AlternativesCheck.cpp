// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AlternativesCheck.h"

#include "data/TenseCaptions.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <map>
#include <utility>

namespace verbcheck {

namespace {

using data::GridPlace;

// The dictionary's person of each grid row; both Sie rows are the third plural.
constexpr std::array<std::array<int, 4>, 2> RowPersons = {{{0, 1, 5, 2}, {3, 4, 5, 5}}};
constexpr int ParticipleTense = 3; // the Perfekt, whose participle boxes the digit counts
const QString ReflexivePrefix = QStringLiteral("sich ");
const QString ObjectPlaceholder = QStringLiteral("etwas ");

bool takesInfinitive(int tense)
{
    return tense == 2 || tense == 10 || tense == 11;
}

// The record line that fills a box in a tense, or -1.
int lineOfBox(data::Category category, int tense, int box)
{
    const data::TenseBlock block = data::tenseBlock(category, tense);
    for (int j = 0; j < block.answerCount; ++j) {
        if (block.boxes[j] == box)
            return block.answerLine(j);
    }
    return -1;
}

// One verb of the verb file: its first record, by its name as listed.
struct Verb {
    qsizetype record = -1;
    data::Category category = data::Category::Normal;
};

QHash<QString, Verb> verbsByName(const data::VerbFile &file)
{
    QHash<QString, Verb> verbs;
    for (qsizetype record = 0; record < file.recordCount(); ++record) {
        const QString name = data::payloadText(file.recordLine(record, 0)).trimmed();
        const auto category = recordCategory(file, record);
        if (category && !verbs.contains(name))
            verbs.insert(name, Verb{record, *category});
    }
    return verbs;
}

// Whether `form` is `board` with the words that differ replaced by known
// forms; where the board joins a participle to its prefix, joined alike.
bool isKnownVariant(const QString &form, const QString &board, const QSet<QString> &known,
                    const QString &prefix)
{
    const QStringList words = form.split(u' ');
    const QStringList boardWords = board.split(u' ');
    if (words.size() != boardWords.size())
        return false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString &word = words[i];
        if (word == boardWords[i])
            continue;
        const bool fused = !prefix.isEmpty() && boardWords[i].startsWith(prefix);
        if (fused ? !word.startsWith(prefix) || !known.contains(word.mid(prefix.size()))
                  : !known.contains(word))
            return false;
    }
    return true;
}

class Checker {
public:
    Checker(const data::VerbFile &file, const KnownForms &known)
        : m_file(file), m_known(known), m_verbs(verbsByName(file))
    {
    }

    void check(const data::AlternativesLine &line)
    {
        const auto fault = [&](const QString &problem) {
            m_report.lines << data::AlternativesFault{line.line, problem};
        };
        const auto verb = m_verbs.constFind(line.verb);
        if (verb == m_verbs.cend())
            return fault(QStringLiteral("no verb \"%1\" in the verb file").arg(line.verb));
        const QString &caption = data::tenseCaptions()[line.tense];
        for (int box : line.boxes) {
            const int recordLine = lineOfBox(verb->category, line.tense, box);
            const QString board =
                recordLine < 0 ? QString()
                               : data::answerText(m_file.recordLine(verb->record, recordLine));
            if (board.isEmpty())
                return fault(QStringLiteral("\"%1\" shows no form of \"%2\" in %3")
                                 .arg(line.boxName, line.verb, caption));
            const auto [first, isNew] =
                m_firstLine.try_emplace({line.verb, line.tense, box}, line.line);
            if (!isNew)
                return fault(QStringLiteral("%1, %2, \"%3\" is listed before, at line %4")
                                 .arg(line.verb, caption, line.boxName)
                                 .arg(first->second));
            QStringList &forms = m_forms[line.verb][{line.tense, box}];
            for (const QString &form : line.forms) {
                if (form == board)
                    fault(QStringLiteral("\"%1\" is the board's own form").arg(form));
                else if (forms.contains(form))
                    fault(QStringLiteral("\"%1\" is listed twice").arg(form));
                else if (m_known && !isRealForm(*verb, line.tense, box, form, board))
                    fault(QStringLiteral("\"%1\" is no form of \"%2\" the verb dictionary or the "
                                         "reviewed list gives for %3, \"%4\"")
                              .arg(form, line.verb, caption, line.boxName));
                forms << form;
            }
        }
    }

    void checkVariantsDigits()
    {
        for (auto verb = m_verbs.cbegin(); verb != m_verbs.cend(); ++verb) {
            QStringList participles;
            for (const auto &[place, forms] : m_forms.value(verb.key())) {
                if (place.first == ParticipleTense && data::gridPlace(place.second).column == 3)
                    participles << forms;
            }
            participles.removeDuplicates();
            const int expected = std::min<int>(4, 1 + participles.size());
            const int digit = m_file.header(verb->record).variants;
            if (digit != expected)
                m_report.verbFile << Fault{
                    verb->record * data::VerbFile::LinesPerRecord + 2, verb->record, 2,
                    QStringLiteral("variants digit %1, but the alternatives file gives the "
                                   "participle %2 alternative(s): the digit is %3")
                        .arg(digit)
                        .arg(participles.size())
                        .arg(expected)};
        }
    }

    AlternativesReport report() const { return m_report; }

private:
    bool isRealForm(const Verb &verb, int tense, int box, const QString &form,
                    const QString &board) const
    {
        const QString listed = data::payloadText(m_file.recordLine(verb.record, 0)).trimmed();
        const BaseVerb base = baseVerb(m_file, verb.record);
        const FormSlot slot = formSlot(verb.category, tense, box);
        if (slot.kind == FormSlot::Other)
            return false;
        QSet<QString> known = m_known(listed, base, slot);
        // The imperative box holds the pronoun too: "trau dir".
        if (slot.kind == FormSlot::ImperativeSingular || slot.kind == FormSlot::ImperativePlural)
            known += m_known(listed, base, FormSlot{FormSlot::Pronoun, 0, slot.person});
        // Only the participle is written with a separable prefix joined to it.
        const bool joined =
            slot.kind == FormSlot::Participle && verb.category != data::Category::TwoWord;
        return isKnownVariant(form, board, known, joined ? base.particle : QString());
    }

    const data::VerbFile &m_file;
    const KnownForms &m_known;
    const QHash<QString, Verb> m_verbs;
    std::map<std::tuple<QString, int, int>, int> m_firstLine;
    QHash<QString, std::map<std::pair<int, int>, QStringList>> m_forms;
    AlternativesReport m_report;
};

} // namespace

FormSlot formSlot(data::Category category, int tense, int box)
{
    const GridPlace place = data::gridPlace(box);
    const data::TenseGroup group = data::tenseGroup(tense);
    if (group == data::TenseGroup::Imperative) {
        switch (place.block == GridPlace::Imperative ? place.column : 0) {
        case 1:
            return {FormSlot::ImperativeSingular, tense, 1};
        case 2:
            return {FormSlot::ImperativePlural, tense, 4};
        case 3:
            return {FormSlot::Finite, 6, 5}; // the Sie form is the Konjunktiv I's
        default:
            return {};
        }
    }
    if (place.block == GridPlace::Imperative)
        return {};
    const int person = RowPersons[place.block][place.row - 1];
    const bool reflexive = category == data::Category::Reflexive;
    if (group == data::TenseGroup::Simple) {
        if (place.column == 2)
            return {FormSlot::Finite, tense, person};
        if (place.column == 3 && reflexive)
            return {FormSlot::Pronoun, tense, person};
        return {};
    }
    if (place.column == 3 && !takesInfinitive(tense))
        return {FormSlot::Participle, tense, person};
    if (place.column == 2 && reflexive)
        return {FormSlot::Pronoun, tense, person};
    return {};
}

QString slotKindName(const FormSlot &slot)
{
    switch (slot.kind) {
    case FormSlot::Finite:
        switch (slot.tense) {
        case 0:
            return QStringLiteral("Präsens");
        case 1:
            return QStringLiteral("Präteritum");
        case 6:
            return QStringLiteral("Konjunktiv I");
        default:
            return QStringLiteral("Konjunktiv II");
        }
    case FormSlot::Participle:
        return QStringLiteral("participle");
    case FormSlot::ImperativeSingular:
        return QStringLiteral("du imperative");
    case FormSlot::ImperativePlural:
        return QStringLiteral("ihr imperative");
    case FormSlot::Pronoun:
        return QStringLiteral("reflexive pronoun");
    case FormSlot::Other:
        break;
    }
    return QStringLiteral("other");
}

BaseVerb baseVerb(const data::VerbFile &file, qsizetype record)
{
    QString name = data::payloadText(file.recordLine(record, 0)).trimmed();
    if (name.startsWith(ReflexivePrefix))
        name = name.mid(ReflexivePrefix.size());
    if (name.startsWith(ObjectPlaceholder))
        name = name.mid(ObjectPlaceholder.size());
    BaseVerb base{name, {}};
    const auto category = recordCategory(file, record);
    if (!category || *category == data::Category::Normal)
        return base;
    const int prefixLine = lineOfBox(*category, 0, 16); // er/sie/es, column 4
    base.particle = data::answerText(file.recordLine(record, prefixLine));
    if (base.particle.isEmpty())
        return base;
    if (name.startsWith(base.particle + u' '))
        base.infinitive = name.mid(base.particle.size() + 1);
    else if (name.startsWith(base.particle))
        base.infinitive = name.mid(base.particle.size());
    return base;
}

AlternativesReport checkAlternatives(const data::VerbFile &file, QByteArrayView alternatives,
                                     const KnownForms &known)
{
    std::vector<data::AlternativesLine> lines;
    if (const auto damage = data::parseAlternativesText(alternatives, lines))
        return {{*damage}, {}};
    Checker checker(file, known);
    for (const data::AlternativesLine &line : lines)
        checker.check(line);
    checker.checkVariantsDigits();
    return checker.report();
}

QMap<QString, KindCount> countAlternatives(const data::VerbFile &file, QByteArrayView alternatives)
{
    std::vector<data::AlternativesLine> lines;
    QMap<QString, KindCount> counts;
    if (data::parseAlternativesText(alternatives, lines))
        return counts;
    const QHash<QString, Verb> verbs = verbsByName(file);
    QMap<QString, QSet<QString>> verbsOfKind, formsOfKind;
    for (const data::AlternativesLine &line : lines) {
        const auto verb = verbs.constFind(line.verb);
        if (verb == verbs.cend())
            continue;
        const QString kind = slotKindName(formSlot(verb->category, line.tense, line.boxes[0]));
        verbsOfKind[kind].insert(line.verb);
        for (const QString &form : line.forms)
            formsOfKind[kind].insert(line.verb + u'\t' + form);
        counts[kind].boxes += static_cast<int>(line.boxes.size() * line.forms.size());
    }
    for (auto count = counts.begin(); count != counts.end(); ++count) {
        count->verbs = static_cast<int>(verbsOfKind.value(count.key()).size());
        count->forms = static_cast<int>(formsOfKind.value(count.key()).size());
    }
    return counts;
}

} // namespace verbcheck
