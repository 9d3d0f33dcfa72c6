// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "review/VerbGroups.h"
#include "board/Board.h"

#include <QHash>

#include <algorithm>

namespace review {

const std::array<QString, VerbTypeCount> &verbTypeWords()
{
    static const std::array<QString, VerbTypeCount> words = {
        QStringLiteral("weak"), QStringLiteral("strong"), QStringLiteral("mixed"),
        QStringLiteral("irregular"), QStringLiteral("modal")};
    return words;
}

const std::array<QString, VerbKindCount> &verbKindWords()
{
    static const std::array<QString, VerbKindCount> words = {
        QStringLiteral("plain"), QStringLiteral("separable"), QStringLiteral("reflexive"),
        QStringLiteral("two-word")};
    return words;
}

const std::array<QString, LevelCount> &levelWords()
{
    static const std::array<QString, LevelCount> words = {
        QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("B1"),
        QStringLiteral("unlisted")};
    return words;
}

std::optional<VerbType> verbTypeFromTypeName(const QString &typeName)
{
    static const std::array<QString, VerbTypeCount> typeNames = {
        QStringLiteral("Weak"), QStringLiteral("Strong"), QStringLiteral("Mixed"),
        QStringLiteral("Irreg"), QStringLiteral("Modal")};
    for (int i = 0; i < VerbTypeCount; ++i)
        if (typeNames[i] == typeName)
            return VerbType(i);
    return std::nullopt;
}

VerbKind verbKindFromCategory(data::Category category)
{
    switch (category) {
    case data::Category::Separable:
        return VerbKind::Separable;
    case data::Category::Reflexive:
        return VerbKind::Reflexive;
    case data::Category::TwoWord:
        return VerbKind::TwoWord;
    case data::Category::Normal:
        break;
    }
    return VerbKind::Plain;
}

Level levelFromWord(const QString &word)
{
    for (int i = 0; i < LevelCount - 1; ++i)
        if (levelWords()[i] == word)
            return Level(i);
    return Level::Unlisted;
}

QList<OfferedVerb> offeredVerbs(const data::VerbFile &file)
{
    QList<OfferedVerb> verbs;
    verbs.reserve(file.recordCount());
    for (qsizetype record = 0; record < file.recordCount(); ++record) {
        OfferedVerb verb;
        const data::RecordHeader &header = file.header(record);
        verb.name = data::decodeWindows1252(header.name).trimmed();
        if (header.type)
            verb.type = verbTypeFromTypeName(board::typeName(*header.type));
        if (header.category)
            verb.kind = verbKindFromCategory(*header.category);
        verb.frequencyRank = int(record);
        verbs.append(verb);
    }
    return verbs;
}

void applyFrequencyList(QList<OfferedVerb> &verbs, const QList<std::pair<QString, Level>> &list)
{
    QHash<QString, qsizetype> positions;
    for (qsizetype i = list.size() - 1; i >= 0; --i) // the first mention of a name counts
        positions.insert(list[i].first, i);
    std::vector<std::pair<qsizetype, int>> order; // (position on the list or after it, verb)
    for (int v = 0; v < verbs.size(); ++v) {
        const auto found = positions.constFind(verbs[v].name);
        verbs[v].level = found == positions.cend() ? Level::Unlisted : list[*found].second;
        order.emplace_back(found == positions.cend() ? list.size() : *found, v);
    }
    std::stable_sort(order.begin(), order.end(), [&](const auto &a, const auto &b) {
        return a.first != b.first ? a.first < b.first
                                  : verbs[a.second].frequencyRank < verbs[b.second].frequencyRank;
    });
    for (int rank = 0; rank < int(order.size()); ++rank)
        verbs[order[rank].second].frequencyRank = rank;
}

} // namespace review
