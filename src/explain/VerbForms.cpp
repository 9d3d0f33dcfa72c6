// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "explain/VerbForms.h"

#include "board/Board.h"

#include <utility>

namespace explain {

namespace {

bool isOneSmallWord(const QString &text)
{
    return !text.isEmpty() && !text.contains(u' ') && text.front().isLower();
}

} // namespace

VerbForms::VerbForms(QString verb, data::Category category, QString typeName,
                     std::array<TenseForms, data::TenseCount> forms)
    : m_verb(std::move(verb)), m_category(category), m_typeName(std::move(typeName)),
      m_forms(std::move(forms))
{
    QString infinitive = m_verb.section(u' ', -1);
    const QString detached = firstDetachedForm();
    const bool separable =
        m_category == data::Category::Separable || m_category == data::Category::Reflexive;
    // A reflexive verb's column may hold an object ("die Zähne") rather than a prefix.
    if (separable && isOneSmallWord(detached) && infinitive.size() > detached.size() &&
        infinitive.startsWith(detached)) {
        m_prefix = detached;
        infinitive = infinitive.mid(detached.size());
    }
    m_detached = m_category == data::Category::TwoWord ? detached : m_prefix;
    if (infinitive.endsWith(u"en"))
        infinitive.chop(2);
    else if (infinitive.endsWith(u'n'))
        infinitive.chop(1);
    m_stem = infinitive;
}

std::optional<VerbForms> VerbForms::read(const data::VerbFile &file, qsizetype record)
{
    std::array<TenseForms, data::TenseCount> forms;
    board::BoardContent content;
    for (int tense = 0; tense < data::TenseCount; ++tense) {
        content = board::readBoard(file, record, tense);
        if (!content.categoryKnown())
            return std::nullopt;
        forms[tense] = content.answers;
    }
    return VerbForms(data::decodeWindows1252(file.header(record).name).trimmed(), *content.category,
                     content.typeName.value_or(QString()), std::move(forms));
}

const QString &VerbForms::form(int tense, int box) const
{
    static const QString none;
    if (tense < 0 || tense >= data::TenseCount || box < 1 || box > data::BoxCount)
        return none;
    return m_forms[tense][box - 1];
}

// Column 4 of the present, from the first row that has one (impersonal verbs
// fill only the third-person rows).
QString VerbForms::firstDetachedForm() const
{
    for (int box : {13, 14, 15, 16, 29, 30, 31, 32}) {
        if (!m_forms[0][box - 1].isEmpty())
            return m_forms[0][box - 1];
    }
    return {};
}

} // namespace explain
