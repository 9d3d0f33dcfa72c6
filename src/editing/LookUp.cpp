// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editing/LookUp.h"

#include <QCollator>

#include <algorithm>
#include <array>
#include <optional>

namespace editing {

namespace {

constexpr int PrefixLengths = 10;
const QString ReflexiveMarker = QStringLiteral("sich ");

// The verb's name in a list entry, without the leading blank and the
// reflexive marker, cut to `length` characters.
QString nameForComparison(const QString &entry, qsizetype length)
{
    const bool reflexive = entry.mid(1, ReflexiveMarker.size()) == ReflexiveMarker;
    return entry.mid(reflexive ? 1 + ReflexiveMarker.size() : 1, length);
}

} // namespace

QLocale lookUpCollationLocale(const QLocale &learnersCollation)
{
    if (learnersCollation.language() == QLocale::C)
        return QLocale(QLocale::German, QLocale::Germany);
    return learnersCollation;
}

SortsAtOrBefore collatedOrder(const QLocale &locale)
{
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseSensitive);
    return [collator](const QString &a, const QString &b) { return collator.compare(a, b) <= 0; };
}

QString verbName(const QString &entry)
{
    qsizetype start = 0;
    while (start < entry.size() && entry.at(start) == QLatin1Char(' '))
        ++start;
    if (QStringView(entry).sliced(start).startsWith(ReflexiveMarker))
        start += ReflexiveMarker.size();
    return entry.sliced(start);
}

QString trimmedOfControls(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

int lookUpEntry(const QStringList &entries, const QString &typed, const SortsAtOrBefore &compare)
{
    if (entries.isEmpty())
        return -1;
    const QString text = trimmedOfControls(typed);
    std::array<bool, PrefixLengths> found{};
    int chosen = -1;
    for (int i = 0; i < entries.size(); ++i) {
        if (std::find(found.begin(), found.end(), false) == found.end())
            break; // every length is noted: later entries change nothing
        const QString name = nameForComparison(entries.at(i), text.size());
        // Lengths beyond the text's own repeat the comparison at its length.
        std::optional<bool> atFullLength;
        for (int k = 1; k <= PrefixLengths; ++k) {
            if (found[k - 1])
                continue;
            bool atOrBefore;
            if (k >= text.size()) {
                if (!atFullLength)
                    atFullLength = compare(text, name);
                atOrBefore = *atFullLength;
            } else {
                atOrBefore = compare(text.left(k), name.left(k));
            }
            if (atOrBefore) {
                found[k - 1] = true;
                chosen = i;
            }
        }
    }
    // Nothing at or after the whole compared text: it sorts after every entry,
    // even where a shorter prefix was noted ("zz" after "zwingen").
    if (!found[std::clamp(int(text.size()), 1, PrefixLengths) - 1])
        return int(entries.size()) - 1;
    if (!typed.isEmpty() && entries.at(chosen).contains(typed))
        return chosen;
    return chosen > 0 ? chosen - 1 : 0;
}

} // namespace editing
