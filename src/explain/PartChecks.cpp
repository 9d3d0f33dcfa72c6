// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "explain/PartChecks.h"

#include "explain/WordTables.h"
#include "explain/Words.h"

namespace explain::checks {

namespace {

bool separatesFromVerb(BoxRole role)
{
    return role == BoxRole::Verb || role == BoxRole::ImperativeSieVerb;
}

bool holdsWholeInfinitive(BoxRole role)
{
    return role == BoxRole::Participle || role == BoxRole::Infinitive;
}

// "the prefix auf" for a separable verb, "spazieren" for a two-word verb.
QString detachedPartName(const VerbForms &verb)
{
    if (verb.category() == data::Category::TwoWord)
        return verb.detachedPart();
    return QStringLiteral("the prefix ") + verb.detachedPart();
}

// Why a participle goes without ge-: the verb's -ieren or its unstressed prefix.
QString whyNoGe(const QString &participleStem)
{
    if (participleStem.endsWith(u"iert"))
        return QStringLiteral("verbs in -ieren take no ge-");
    const QString prefix = inseparablePrefix(participleStem);
    if (!prefix.isEmpty())
        return QStringLiteral("verbs with the prefix %1- take no ge-").arg(prefix);
    return QStringLiteral("this participle takes no ge-");
}

} // namespace

std::optional<Finding> prefixDetached(const Answer &answer)
{
    const QString &prefix = answer.verb.separablePrefix();
    if (!holdsWholeInfinitive(answer.role) || prefix.isEmpty() || !answer.right.startsWith(prefix))
        return std::nullopt;
    const QString rest = answer.right.mid(prefix.size());
    const QStringList typed = wordsOf(answer.typed);
    if (typed != QStringList{prefix, rest} && typed != QStringList{rest, prefix})
        return std::nullopt;
    return Finding{
        MistakeKind::PrefixDetached,
        QStringLiteral("the prefix %1 stays joined to the %2")
            .arg(prefix, answer.role == BoxRole::Participle ? u"participle" : u"infinitive")};
}

std::optional<Finding> prefixAttached(const Answer &answer)
{
    const QString &part = answer.verb.detachedPart();
    if (part.isEmpty())
        return std::nullopt;
    QString attached;
    if (separatesFromVerb(answer.role)) {
        attached = part + answer.right;
    } else if (isPersonalImperative(answer.role)) {
        QStringList words = wordsOf(answer.right);
        if (!words.removeOne(part) || words.isEmpty())
            return std::nullopt;
        words.front().prepend(part);
        attached = words.join(u' ');
    }
    if (attached.isEmpty() || answer.typed != attached)
        return std::nullopt;
    const QString where =
        separatesFromVerb(answer.role) ? QStringLiteral(", in a box of its own") : QString();
    if (answer.verb.category() == data::Category::TwoWord)
        return Finding{MistakeKind::PrefixAttached,
                       QStringLiteral("%1 is a word of its own%2").arg(part, where)};
    return Finding{MistakeKind::PrefixAttached,
                   QStringLiteral("the prefix %1 goes to the end%2").arg(part, where)};
}

std::optional<Finding> geBeforePrefix(const Answer &answer)
{
    const QString &prefix = answer.verb.separablePrefix();
    if (answer.role != BoxRole::Participle || prefix.isEmpty() ||
        !answer.right.startsWith(prefix + QStringLiteral("ge")) ||
        answer.typed != QStringLiteral("ge") + prefix + answer.right.mid(prefix.size() + 2))
        return std::nullopt;
    return Finding{MistakeKind::GeBeforePrefix,
                   QStringLiteral("ge- goes after the prefix %1").arg(prefix)};
}

std::optional<Finding> prefixMissing(const Answer &answer)
{
    const VerbForms &verb = answer.verb;
    bool missing = false;
    if (holdsWholeInfinitive(answer.role) && !verb.separablePrefix().isEmpty()) {
        missing = answer.right == verb.separablePrefix() + answer.typed;
    } else if (isPersonalImperative(answer.role) || answer.role == BoxRole::ImperativeSieRest) {
        QStringList words = wordsOf(answer.right);
        missing = !verb.detachedPart().isEmpty() && words.removeOne(verb.detachedPart()) &&
                  words == wordsOf(answer.typed);
    }
    if (!missing)
        return std::nullopt;
    return Finding{MistakeKind::PrefixMissing,
                   detachedPartName(verb) + QStringLiteral(" is missing")};
}

std::optional<Finding> extraWords(const Answer &answer)
{
    const QStringList typed = wordsOf(answer.typed);
    const QStringList right = wordsOf(answer.right);
    if (typed.size() <= right.size())
        return std::nullopt;
    for (qsizetype start = 0; start + right.size() <= typed.size(); ++start) {
        if (typed.sliced(start, right.size()) == right)
            return Finding{MistakeKind::ExtraWords,
                           QStringLiteral("only %1 goes in this box").arg(answer.right)};
    }
    return std::nullopt;
}

std::optional<Finding> missingWord(const Answer &answer)
{
    const QStringList typed = wordsOf(answer.typed);
    const QStringList right = wordsOf(answer.right);
    if (typed.size() + 1 != right.size())
        return std::nullopt;
    for (qsizetype left = 0; left < right.size(); ++left) {
        QStringList without = right;
        without.removeAt(left);
        if (without == typed)
            return Finding{MistakeKind::MissingWord,
                           QStringLiteral("%1 is missing").arg(right[left])};
    }
    return std::nullopt;
}

std::optional<Finding> geMissingOrExtra(const Answer &answer)
{
    if (answer.role != BoxRole::Participle)
        return std::nullopt;
    const WordPair pair = differingWord(answer.typed, answer.right);
    const QString &prefix = answer.verb.separablePrefix();
    const QString ge = QStringLiteral("ge");
    for (const qsizetype at : {qsizetype(0), prefix.size()}) {
        if (at > 0 && !pair.right.startsWith(prefix))
            continue;
        if (pair.typed == pair.right.left(at) + ge + pair.right.mid(at))
            return Finding{MistakeKind::GeExtra,
                           whyNoGe(pair.right.mid(at)) + answer.asideOnTyped()};
        if (pair.typed.startsWith(pair.right.left(at)) &&
            pair.right == pair.typed.left(at) + ge + pair.typed.mid(at)) {
            const QString what = at > 0 ? QStringLiteral("ge- goes between the prefix and the stem")
                                        : QStringLiteral("the participle needs ge-");
            return Finding{MistakeKind::GeMissing, what + answer.asideOnTyped()};
        }
    }
    return std::nullopt;
}

} // namespace explain::checks
