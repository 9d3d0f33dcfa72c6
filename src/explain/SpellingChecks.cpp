// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "explain/SpellingChecks.h"

#include "explain/WordTables.h"
#include "explain/Words.h"

namespace explain::checks {

namespace {

enum class UmlautDifference { None, Missing, Extra, SpelledOut };

UmlautDifference umlautDifference(const QString &typed, const QString &right)
{
    // ae for ä, oe for ö, ue for ü, as on a keyboard without umlauts.
    qsizetype t = 0;
    qsizetype r = 0;
    bool spelled = false;
    while (t < typed.size() && r < right.size()) {
        if (typed[t] == right[r]) {
            ++t, ++r;
        } else if (umlautOf(typed[t]) == right[r] && typed.mid(t + 1, 1) == u"e") {
            t += 2, ++r, spelled = true;
        } else {
            break;
        }
    }
    if (spelled && t == typed.size() && r == right.size())
        return UmlautDifference::SpelledOut;
    if (typed.size() != right.size())
        return UmlautDifference::None;
    int missing = 0;
    int extra = 0;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (typed[i] == right[i])
            continue;
        if (umlautOf(typed[i]) == right[i])
            ++missing;
        else if (umlautOf(right[i]) == typed[i])
            ++extra;
        else
            return UmlautDifference::None;
    }
    if (missing > 0 && extra == 0)
        return UmlautDifference::Missing;
    if (extra > 0 && missing == 0)
        return UmlautDifference::Extra;
    return UmlautDifference::None;
}

QString withoutSpaces(QString text)
{
    text.remove(u' ');
    return text;
}

} // namespace

std::optional<Finding> combiningAccent(const Answer &answer)
{
    if (answer.typed != answer.right)
        return std::nullopt;
    return Finding{MistakeKind::CombiningAccent,
                   QStringLiteral("a letter is typed as a letter and a separate accent")};
}

std::optional<Finding> spacing(const Answer &answer)
{
    if (withoutSpaces(answer.typed) != withoutSpaces(answer.right))
        return std::nullopt;
    QString what;
    if (answer.typed.trimmed() == answer.right) {
        const bool before = answer.typed.startsWith(u' ');
        const bool after = answer.typed.endsWith(u' ');
        what = before && after ? QStringLiteral("spaces at both ends")
               : before        ? QStringLiteral("a space at the start")
                               : QStringLiteral("a space at the end");
    } else {
        const qsizetype typedSpaces = answer.typed.count(u' ');
        const qsizetype rightSpaces = answer.right.count(u' ');
        what = typedSpaces > rightSpaces   ? QStringLiteral("a space too many")
               : typedSpaces < rightSpaces ? QStringLiteral("a space is missing")
                                           : QStringLiteral("a space in the wrong place");
    }
    return Finding{MistakeKind::Spacing, what};
}

std::optional<Finding> capitalisation(const Answer &answer)
{
    const QString &typed = answer.typed;
    const QString &right = answer.right;
    if (typed.size() != right.size() || typed.compare(right, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    qsizetype at = 0;
    while (typed[at] == right[at])
        ++at;
    if (!right[at].isUpper())
        return Finding{MistakeKind::Capitalisation, QStringLiteral("no capital letter here")};
    const qsizetype start = right.lastIndexOf(u' ', at) + 1;
    const QString word = right.mid(start).section(u' ', 0, 0);
    return Finding{MistakeKind::Capitalisation,
                   QStringLiteral("%1 is written with a capital letter").arg(word)};
}

std::optional<Finding> eszett(const Answer &answer)
{
    QString typed = answer.typed;
    QString right = answer.right;
    if (typed.replace(u'ß', QStringLiteral("ss")) != right.replace(u'ß', QStringLiteral("ss")))
        return std::nullopt;
    if (answer.right.count(u'ß') > answer.typed.count(u'ß'))
        return Finding{MistakeKind::Eszett,
                       QStringLiteral("ß after a long vowel or a diphthong, not ss")};
    return Finding{MistakeKind::Eszett, QStringLiteral("ss after a short vowel, not ß")};
}

std::optional<Finding> umlaut(const Answer &answer)
{
    const WordPair pair = differingWord(answer.typed, answer.right);
    switch (umlautDifference(pair.typed, pair.right)) {
    case UmlautDifference::None:
        return std::nullopt;
    case UmlautDifference::SpelledOut:
        return Finding{MistakeKind::UmlautSpelledOut,
                       QStringLiteral("write the umlaut as one letter")};
    case UmlautDifference::Missing:
        return Finding{MistakeKind::UmlautMissing,
                       QStringLiteral("the umlaut is missing") + answer.asideOnTyped()};
    case UmlautDifference::Extra:
        break;
    }
    return Finding{MistakeKind::UmlautExtra,
                   QStringLiteral("no umlaut here") + answer.asideOnTyped()};
}

} // namespace explain::checks
