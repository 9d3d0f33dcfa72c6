// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "explain/Words.h"

namespace explain {

QStringList wordsOf(const QString &text)
{
    return text.split(u' ', Qt::SkipEmptyParts);
}

WordPair differingWord(const QString &typed, const QString &right)
{
    const QStringList typedWords = wordsOf(typed);
    const QStringList rightWords = wordsOf(right);
    if (typedWords.size() != rightWords.size() || typedWords.size() < 2)
        return {typed, right};
    qsizetype differing = -1;
    for (qsizetype i = 0; i < typedWords.size(); ++i) {
        if (typedWords[i] == rightWords[i])
            continue;
        if (differing >= 0)
            return {typed, right};
        differing = i;
    }
    if (differing < 0)
        return {typed, right};
    return {typedWords[differing], rightWords[differing]};
}

} // namespace explain
