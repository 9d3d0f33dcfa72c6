// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/TypeAhead.h"

#include <algorithm>

namespace lists {

int TypeAhead::keyTyped(const QString &typed, bool quickly, const QStringList &keys, int current)
{
    if (!quickly)
        m_search.clear();
    m_search += typed;
    const QString folded = m_search.toCaseFolded();
    const bool sameLetter =
        std::all_of(folded.cbegin(), folded.cend(), [&](QChar c) { return c == folded.front(); });
    const QString wanted = sameLetter ? m_search.left(1) : m_search;
    // A longer search text may still be the current entry's.
    const int rows = int(keys.size());
    const int start = current < 0 ? 0 : sameLetter ? current + 1 : current;
    for (int step = 0; step < rows; ++step) {
        const int row = (start + step) % rows;
        const QString &key = keys.at(row);
        if (!key.isEmpty() && (key.startsWith(wanted, Qt::CaseInsensitive) ||
                               fromFirstLetterOrDigit(key).startsWith(wanted, Qt::CaseInsensitive)))
            return row;
    }
    return -1;
}

QString withoutLeadingBlanks(const QString &entry)
{
    const auto first =
        std::find_if(entry.cbegin(), entry.cend(), [](QChar c) { return c != u' '; });
    return entry.mid(first - entry.cbegin());
}

QString fromFirstLetterOrDigit(const QString &entry)
{
    const auto first =
        std::find_if(entry.cbegin(), entry.cend(), [](QChar c) { return c.isLetterOrNumber(); });
    return entry.mid(first - entry.cbegin());
}

} // namespace lists
