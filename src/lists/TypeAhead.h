// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace lists {

// A list's type-ahead, as desktops' lists have it: the characters typed in
// quick succession, blanks and brackets too, make one search text, and the
// list moves to the first entry, from the current one on and wrapping round,
// whose key begins with it (ignoring case), or whose key does from its first
// letter or digit on ("(" and "i" both find "(imperative mood)"). A new search, and the same letter
// typed again, start after the current entry, so that repeating a letter walks through the entries
// that begin with it.
class TypeAhead {
public:
    // The row to move to after `typed`, typed `quickly` after the key before
    // it; -1 when no entry matches. `keys[row]` is what row `row` is found by
    // (empty: never, as a disabled entry); `current` is the row selected now,
    // -1 for none.
    int keyTyped(const QString &typed, bool quickly, const QStringList &keys, int current);

    // Whether a search is under way: a blank typed now belongs to it.
    bool isSearching() const { return !m_search.isEmpty(); }

private:
    QString m_search;
};

// An entry as it is found by default: without the blanks it starts with.
QString withoutLeadingBlanks(const QString &entry);

// An entry from its first letter or digit: " (imperative mood)" is found by
// "i", " 10" by "1".
QString fromFirstLetterOrDigit(const QString &entry);

} // namespace lists
