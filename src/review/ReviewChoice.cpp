// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "review/ReviewChoice.h"

#include <QHash>
#include <QStringList>

#include <algorithm>

namespace review {

namespace {

const QString Version = QStringLiteral("1");

template <size_t N> QString wordsOf(const std::bitset<N> &set, const std::array<QString, N> &words)
{
    QStringList chosen;
    for (size_t i = 0; i < N; ++i)
        if (set.test(i))
            chosen.append(words[i]);
    return chosen.join(QLatin1Char(','));
}

template <size_t N>
std::optional<std::bitset<N>> setOf(const QString &text, const std::array<QString, N> &words)
{
    std::bitset<N> set;
    for (const QString &word : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const auto found = std::find(words.begin(), words.end(), word);
        if (found == words.end())
            return std::nullopt;
        set.set(size_t(found - words.begin()));
    }
    return set;
}

// Tense numbers as words, "0" to "14".
const std::array<QString, data::TenseCount> &tenseWords()
{
    static const std::array<QString, data::TenseCount> words = [] {
        std::array<QString, data::TenseCount> numbers;
        for (int i = 0; i < data::TenseCount; ++i)
            numbers[i] = QString::number(i);
        return numbers;
    }();
    return words;
}

} // namespace

ReviewChoice ReviewChoice::defaults()
{
    ReviewChoice choice;
    choice.tenses.set(0).set(1).set(3);
    choice.types.set();
    choice.kinds.set();
    choice.levels.set();
    return choice;
}

QString ReviewChoice::toText() const
{
    return QStringLiteral("version=%1;tenses=%2;types=%3;kinds=%4;levels=%5;mistakes=%6;length=%7")
        .arg(Version, wordsOf(tenses, tenseWords()), wordsOf(types, verbTypeWords()),
             wordsOf(kinds, verbKindWords()), wordsOf(levels, levelWords()),
             onlyMistakes ? QStringLiteral("yes") : QStringLiteral("no"))
        .arg(sessionLength);
}

ReviewChoice ReviewChoice::fromText(const QString &text)
{
    QHash<QString, QString> values;
    for (const QString &field : text.trimmed().split(QLatin1Char(';'))) {
        const qsizetype equals = field.indexOf(QLatin1Char('='));
        if (equals < 0 || values.contains(field.left(equals)))
            return defaults();
        values.insert(field.left(equals), field.mid(equals + 1));
    }
    if (values.value(QStringLiteral("version")) != Version)
        return defaults();
    const auto tenseSet = setOf(values.value(QStringLiteral("tenses")), tenseWords());
    const auto typeSet = setOf(values.value(QStringLiteral("types")), verbTypeWords());
    const auto kindSet = setOf(values.value(QStringLiteral("kinds")), verbKindWords());
    const auto levelSet = setOf(values.value(QStringLiteral("levels")), levelWords());
    const QString mistakes = values.value(QStringLiteral("mistakes"));
    bool lengthRead = false;
    const int length = values.value(QStringLiteral("length")).toInt(&lengthRead);
    const bool complete =
        values.contains(QStringLiteral("tenses")) && values.contains(QStringLiteral("types")) &&
        values.contains(QStringLiteral("kinds")) && values.contains(QStringLiteral("levels"));
    if (!complete || !tenseSet || !typeSet || !kindSet || !levelSet || !lengthRead ||
        length < MinimumSessionLength || length > MaximumSessionLength ||
        (mistakes != QLatin1String("yes") && mistakes != QLatin1String("no")))
        return defaults();
    ReviewChoice choice;
    choice.tenses = *tenseSet;
    choice.types = *typeSet;
    choice.kinds = *kindSet;
    choice.levels = *levelSet;
    choice.onlyMistakes = mistakes == QLatin1String("yes");
    choice.sessionLength = length;
    return choice;
}

} // namespace review
