// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>

namespace editing {

// True when `a` sorts at or before `b` in the learner's collation.
using SortsAtOrBefore = std::function<bool(const QString &a, const QString &b)>;

// The alphabetical look-up: the verb-list entry the typed text leads to.
//
// For each prefix length 1 to 10 of the trimmed text, the first entry whose
// name (without the leading blank and a reflexive "sich ") sorts at or after
// that prefix is noted; the last noted entry wins. If it does not contain the
// text as typed, the entry before it is taken, which in a sorted list is the
// last verb before the typed text. A text that no entry sorts at or after in
// full (its first ten characters) sorts after every entry, even when a shorter
// prefix was noted ("zz" past "zwingen"): the last entry. Returns -1 only for
// an empty list.
int lookUpEntry(const QStringList &entries, const QString &typed, const SortsAtOrBefore &compare);

// The locale whose collation orders the verb list for the look-up: the
// learner's own, unless it has no collation of its own. The C and POSIX
// locales (C.UTF-8 included; Qt reports them all as the C language) order by
// code point, which puts every umlaut after z and sends "machen" to
// "anbieten"; the verb list is German, so German collation is used then.
QLocale lookUpCollationLocale(const QLocale &learnersCollation);

// Case-sensitive comparison in `locale`'s collation.
SortsAtOrBefore collatedOrder(const QLocale &locale);

// The verb's name in a verb-list entry, by which typing in the list finds it:
// without its leading blanks and a reflexive "sich ".
QString verbName(const QString &entry);

// Removes leading and trailing characters of code 32 or below.
QString trimmedOfControls(const QString &text);

} // namespace editing
