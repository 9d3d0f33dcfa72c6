// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "trainer/RankedVerbs.h"

namespace trainer {

namespace {

review::Level levelOf(data::VerbLevel level)
{
    switch (level) {
    case data::VerbLevel::A1:
        return review::Level::A1;
    case data::VerbLevel::A2:
        return review::Level::A2;
    case data::VerbLevel::B1:
        return review::Level::B1;
    case data::VerbLevel::None:
        break;
    }
    return review::Level::Unlisted;
}

} // namespace

QStringList verbNames(const QList<review::OfferedVerb> &verbs)
{
    QStringList names;
    names.reserve(verbs.size());
    for (const review::OfferedVerb &verb : verbs)
        names.append(verb.name);
    return names;
}

QList<review::OfferedVerb> rankedVerbs(QList<review::OfferedVerb> verbs,
                                       const data::VerbRanks &ranks)
{
    if (ranks.status() != data::VerbRanks::Status::Read)
        return verbs;
    QList<std::pair<QString, review::Level>> list;
    for (qsizetype index : ranks.order()) {
        if (index >= 0 && index < verbs.size())
            list.append({verbs[index].name, levelOf(ranks.level(index))});
    }
    review::applyFrequencyList(verbs, list);
    return verbs;
}

} // namespace trainer
