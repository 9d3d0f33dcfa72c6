// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace explain {

// The words of a box's text, split at blanks.
QStringList wordsOf(const QString &text);

// The one word in which two texts of as many words differ ("sich" of "setz sich"
// typed for "setz dich"); both texts whole otherwise.
struct WordPair {
    QString typed;
    QString right;
};
WordPair differingWord(const QString &typed, const QString &right);

} // namespace explain
