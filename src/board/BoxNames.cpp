// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/BoxNames.h"

#include <array>

namespace board {

namespace {

// The rows of the left and the right block as their labels read; the two
// "Sie" rows told apart.
const std::array<std::array<QString, 4>, 2> RowPersons = {{
    {QStringLiteral("ich"), QStringLiteral("du"), QStringLiteral("Sie (singular)"),
     QStringLiteral("er/sie/es")},
    {QStringLiteral("wir"), QStringLiteral("ihr"), QStringLiteral("Sie (plural)"),
     QStringLiteral("sie")},
}};

// The future tenses put the infinitive in column 3, the perfect tenses the participle.
bool takesInfinitive(int tense)
{
    return tense == 2 || tense == 10 || tense == 11;
}

// Column 4 of the simple tenses, and the rest of the Sie imperative: what
// stands apart from the finite verb.
QString detachedPart(data::Category category)
{
    switch (category) {
    case data::Category::Separable:
        return QStringLiteral("separable prefix");
    case data::Category::TwoWord:
        return QStringLiteral("first word");
    case data::Category::Reflexive:
        return QStringLiteral("separable prefix");
    case data::Category::Normal:
        break;
    }
    return {};
}

// Column 2 of the compound tenses: between the auxiliary and the participle.
QString middlePart(data::Category category)
{
    switch (category) {
    case data::Category::Reflexive:
        return QStringLiteral("reflexive pronoun");
    case data::Category::TwoWord:
        return QStringLiteral("first word");
    case data::Category::Separable:
    case data::Category::Normal:
        break;
    }
    return {};
}

QString columnPlace(data::Category category, int tense, int column)
{
    switch (data::tenseGroup(tense)) {
    case data::TenseGroup::Simple:
        if (column == 2)
            return QStringLiteral("verb");
        if (column == 3 && category == data::Category::Reflexive)
            return QStringLiteral("reflexive pronoun");
        if (column == 4)
            return detachedPart(category);
        return {};
    case data::TenseGroup::Compound:
    case data::TenseGroup::FuturePerfect:
        if (column == 1)
            return QStringLiteral("auxiliary");
        if (column == 2)
            return middlePart(category);
        if (column == 3)
            return takesInfinitive(tense) ? QStringLiteral("infinitive")
                                          : QStringLiteral("participle");
        if (column == 4 && data::tenseGroup(tense) == data::TenseGroup::FuturePerfect)
            return QStringLiteral("haben or sein");
        return {};
    case data::TenseGroup::Imperative:
        break;
    }
    return {};
}

QString imperativeName(data::Category category, int column)
{
    const bool split = category != data::Category::Normal; // Sie form in two boxes
    switch (column) {
    case 1:
        return QStringLiteral("du, imperative");
    case 2:
        return QStringLiteral("ihr, imperative");
    case 3:
        return split ? QStringLiteral("Sie, imperative verb") : QStringLiteral("Sie, imperative");
    default:
        break;
    }
    if (category == data::Category::Reflexive)
        return QStringLiteral("Sie, imperative reflexive pronoun and any prefix");
    return QStringLiteral("Sie, imperative ") + detachedPart(category);
}

} // namespace

QString boxAccessibleName(std::optional<data::Category> category, int tense, int box)
{
    const bool knownTense = tense >= 0 && tense < data::TenseCount;
    const data::GridPlace grid = data::gridPlace(box);
    if (grid.block == data::GridPlace::Imperative) {
        if (category && knownTense && data::tenseGroup(tense) == data::TenseGroup::Imperative)
            return imperativeName(*category, grid.column);
        return QStringLiteral("imperative, box %1").arg(grid.column);
    }
    QString place;
    if (category && knownTense)
        place = columnPlace(*category, tense, grid.column);
    if (place.isEmpty())
        place = QStringLiteral("column %1").arg(grid.column);
    return RowPersons[grid.block][grid.row - 1] + QStringLiteral(", ") + place;
}

QString boardAnnouncement(const QString &verb, const QString &tense, const QStringList &captions)
{
    QString announcement = verb.trimmed() + QStringLiteral(", ") + tense.trimmed();
    for (const QString &caption : captions) {
        if (caption.trimmed().isEmpty())
            continue;
        // What already ends in a full stop gets no second one.
        if (!announcement.endsWith(u'.'))
            announcement += u'.';
        announcement += u' ' + caption.trimmed();
    }
    return announcement;
}

} // namespace board
