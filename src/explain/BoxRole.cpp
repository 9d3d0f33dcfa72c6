// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "explain/BoxRole.h"

#include <algorithm>

namespace explain {

namespace {

// The future tenses put the infinitive where the perfect tenses put the participle.
bool takesInfinitive(int tense)
{
    return tense == 2 || tense == 10 || tense == 11;
}

bool inBlock(data::Category category, int tense, int box)
{
    const data::TenseBlock block = data::tenseBlock(category, tense);
    const auto end = block.boxes.begin() + block.answerCount;
    return std::find(block.boxes.begin(), end, box) != end;
}

BoxRole roleOf(data::Category category, int tense, int box)
{
    if (!inBlock(category, tense, box))
        return BoxRole::Empty;
    const int column = data::gridPlace(box).column;
    switch (data::tenseGroup(tense)) {
    case data::TenseGroup::Imperative: {
        constexpr std::array<BoxRole, 4> imperative = {
            BoxRole::ImperativeDu, BoxRole::ImperativeIhr, BoxRole::ImperativeSieVerb,
            BoxRole::ImperativeSieRest};
        return imperative[column - 1];
    }
    case data::TenseGroup::Simple:
        if (column == 2)
            return BoxRole::Verb;
        return column == 3 ? BoxRole::ReflexivePronoun : BoxRole::DetachedPart;
    case data::TenseGroup::Compound:
    case data::TenseGroup::FuturePerfect:
        break;
    }
    switch (column) {
    case 1:
        return BoxRole::Auxiliary;
    case 2:
        return category == data::Category::Reflexive ? BoxRole::ReflexivePronoun
                                                     : BoxRole::DetachedPart;
    case 3:
        return takesInfinitive(tense) ? BoxRole::Infinitive : BoxRole::Participle;
    default:
        return BoxRole::HabenOrSein;
    }
}

} // namespace

BoxRole boxRole(data::Category category, int tense, int box)
{
    // Asked for every box of every tense when a typed text is looked for
    // elsewhere on the boards, so worked out once.
    using Roles = std::array<std::array<std::array<BoxRole, data::BoxCount>, data::TenseCount>, 4>;
    static const Roles roles = [] {
        Roles all{};
        for (const data::Category each : {data::Category::Reflexive, data::Category::Separable,
                                          data::Category::Normal, data::Category::TwoWord}) {
            for (int t = 0; t < data::TenseCount; ++t) {
                for (int b = 1; b <= data::BoxCount; ++b)
                    all[int(each)][t][b - 1] = roleOf(each, t, b);
            }
        }
        return all;
    }();
    if (tense < 0 || tense >= data::TenseCount || box < 1 || box > data::BoxCount)
        return BoxRole::Empty;
    return roles[int(category)][tense][box - 1];
}

bool isFinite(BoxRole role)
{
    return role == BoxRole::Verb || role == BoxRole::Auxiliary;
}

bool isPersonalImperative(BoxRole role)
{
    return role == BoxRole::ImperativeDu || role == BoxRole::ImperativeIhr;
}

const QString &boxPerson(int box)
{
    static const std::array<QString, data::BoxCount + 1> persons = [] {
        const std::array<std::array<QString, 4>, 3> labels = {{
            {QStringLiteral("ich"), QStringLiteral("du"), QStringLiteral("Sie"),
             QStringLiteral("er/sie/es")},
            {QStringLiteral("wir"), QStringLiteral("ihr"), QStringLiteral("Sie"),
             QStringLiteral("sie")},
            {QStringLiteral("du"), QStringLiteral("ihr"), QStringLiteral("Sie"),
             QStringLiteral("Sie")},
        }};
        std::array<QString, data::BoxCount + 1> byBox; // [0] stays empty
        for (int b = 1; b <= data::BoxCount; ++b) {
            const data::GridPlace place = data::gridPlace(b);
            byBox[b] = place.block == data::GridPlace::Imperative
                           ? labels[2][place.column - 1]
                           : labels[place.block][place.row - 1];
        }
        return byBox;
    }();
    return persons[box >= 1 && box <= data::BoxCount ? box : 0];
}

std::array<int, 4> rowBoxes(int box)
{
    if (box < 1 || box > data::BoxCount)
        return {box, box, box, box};
    const data::GridPlace place = data::gridPlace(box);
    if (place.block == data::GridPlace::Imperative)
        return {33, 34, 35, 36};
    const int first = (place.block == data::GridPlace::Right ? 16 : 0) + place.row;
    return {first, first + 4, first + 8, first + 12};
}

} // namespace explain
