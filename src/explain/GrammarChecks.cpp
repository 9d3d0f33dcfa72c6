// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "explain/GrammarChecks.h"

#include "explain/WordTables.h"
#include "explain/Words.h"

#include <array>
#include <utility>

namespace explain::checks {

namespace {

// The simple tenses whose weak forms end in -te: the past and, like it, the subjunctive II.
constexpr int PastTense = 1;
constexpr int PresentSubjunctiveII = 7;

// A word's consonants with each run of vowels folded to one mark, and the runs:
// "schwamm" reads "schw*mm" with the run "a", "schwomm" the same frame with "o".
struct VowelRuns {
    QString frame;
    QStringList runs;
};

VowelRuns vowelRunsOf(const QString &word)
{
    VowelRuns split;
    for (const QChar letter : word) {
        if (!isVowel(letter)) {
            split.frame += letter;
        } else if (split.frame.endsWith(u'*')) {
            split.runs.back() += letter;
        } else {
            split.frame += u'*';
            split.runs.append(QString(letter));
        }
    }
    return split;
}

// "ee" for "e": a letter typed twice, not another vowel.
bool onlyDoubled(const QString &a, const QString &b)
{
    const QString &longer = a.size() > b.size() ? a : b;
    const QString &shorter = a.size() > b.size() ? b : a;
    for (qsizetype i = 1; longer.size() == shorter.size() + 1 && i < longer.size(); ++i) {
        if (longer[i] == longer[i - 1] && longer.left(i) + longer.mid(i + 1) == shorter)
            return true;
    }
    return false;
}

// Boxes whose form has a stem: not the auxiliary, the pronoun or the detached part.
bool holdsVerbStem(BoxRole role)
{
    switch (role) {
    case BoxRole::Verb:
    case BoxRole::Participle:
    case BoxRole::Infinitive:
    case BoxRole::ImperativeDu:
    case BoxRole::ImperativeIhr:
    case BoxRole::ImperativeSieVerb:
        return true;
    default:
        return false;
    }
}

// The ways a right form can begin that a stem comparison must step over:
// nothing, ge-, the prefix, the prefix and ge-.
QStringList leadsOf(const VerbForms &verb)
{
    QStringList leads = {QString(), QStringLiteral("ge")};
    if (!verb.separablePrefix().isEmpty())
        leads << verb.separablePrefix() << verb.separablePrefix() + QStringLiteral("ge");
    return leads;
}

} // namespace

std::optional<Finding> wrongAuxiliary(const Answer &answer)
{
    if (answer.role != BoxRole::Auxiliary && answer.role != BoxRole::HabenOrSein)
        return std::nullopt;
    const std::optional<Auxiliary> typed = auxiliaryOf(answer.typed);
    const std::optional<Auxiliary> right = auxiliaryOf(answer.right);
    // werden typed for haben or sein is the future's auxiliary: the tense check names it.
    if (!typed || !right || *typed == *right || *typed == Auxiliary::Werden)
        return std::nullopt;
    if (*right == Auxiliary::Werden)
        return Finding{
            MistakeKind::WrongAuxiliary,
            QStringLiteral("the future tenses take werden, not %1").arg(auxiliaryName(*typed))};
    return Finding{MistakeKind::WrongAuxiliary,
                   QStringLiteral("%1 takes %2, not %3")
                       .arg(answer.verb.verb(), auxiliaryName(*right), auxiliaryName(*typed))};
}

std::optional<Finding> reflexivePronoun(const Answer &answer)
{
    if (answer.verb.category() != data::Category::Reflexive)
        return std::nullopt;
    const WordPair pair = differingWord(answer.typed, answer.right);
    const std::optional<ReflexivePronoun> typed = explain::reflexivePronoun(pair.typed);
    const std::optional<ReflexivePronoun> right = explain::reflexivePronoun(pair.right);
    if (!typed || !right)
        return std::nullopt;
    if (typed->person == right->person && right->pronounCase != PronounCase::Both)
        return Finding{
            MistakeKind::ReflexiveCase,
            QStringLiteral("the pronoun is %1 here")
                .arg(right->pronounCase == PronounCase::Dative ? u"dative" : u"accusative")};
    return Finding{MistakeKind::ReflexivePerson,
                   QStringLiteral("the pronoun goes with the person")};
}

std::optional<Finding> otherPerson(const Answer &answer)
{
    const QString person = answer.otherPersonOf(answer.typed);
    if (person.isEmpty())
        return std::nullopt;
    return Finding{MistakeKind::OtherPerson, QStringLiteral("that is ") + person};
}

std::optional<Finding> otherTense(const Answer &answer)
{
    const QString tense = answer.otherTenseOf(answer.typed);
    if (tense.isEmpty())
        return std::nullopt;
    return Finding{MistakeKind::OtherTense, QStringLiteral("that is ") + tense};
}

std::optional<Finding> weakForm(const Answer &answer)
{
    const VerbForms &verb = answer.verb;
    if (verb.typeName().isEmpty() || verb.typeName() == u"Weak")
        return std::nullopt;
    const WordPair pair = differingWord(answer.typed, answer.right);
    const QString &stem = verb.infinitiveStem();
    // Weak forms put -e- after a stem in -t or -d: "findete", "gefindet".
    const QStringList stems = {stem, stem + u'e'};
    bool weak = false;
    if (answer.role == BoxRole::Verb &&
        (answer.tense == PastTense || answer.tense == PresentSubjunctiveII)) {
        for (const QString &weakStem : stems) {
            for (const QString &ending : weakPastEndings())
                weak = weak || pair.typed == weakStem + ending;
        }
    } else if (answer.role == BoxRole::Participle) {
        for (const QString &weakStem : stems) {
            for (const QString &ge : {QStringLiteral("ge"), QString()})
                weak = weak || pair.typed == verb.separablePrefix() + ge + weakStem + u't';
        }
    }
    if (!weak)
        return std::nullopt;
    // What each type of verb does instead of a weak verb's -te and -t.
    static const std::array<std::pair<const char *, const char *>, 4> notWeak = {{
        {"Strong", "%1 is a strong verb, not a weak one"},
        {"Mixed", "%1 is a mixed verb: its stem changes"},
        {"Irreg", "%1 is an irregular verb: its stem changes"},
        {"Modal", "%1 is a modal verb: its stem changes"},
    }};
    for (const auto &[typeName, what] : notWeak) {
        if (verb.typeName() == QLatin1String(typeName))
            return Finding{MistakeKind::WeakForm, QString::fromUtf8(what).arg(verb.verb())};
    }
    return std::nullopt;
}

std::optional<Finding> stemChange(const Answer &answer)
{
    if (!holdsVerbStem(answer.role))
        return std::nullopt;
    const WordPair pair = differingWord(answer.typed, answer.right);
    const QString &stem = answer.verb.infinitiveStem();
    if (stem.size() < 2)
        return std::nullopt;
    for (const QString &lead : leadsOf(answer.verb)) {
        if (!pair.typed.startsWith(lead) || !pair.right.startsWith(lead))
            continue;
        const QString typed = pair.typed.mid(lead.size());
        const QString right = pair.right.mid(lead.size());
        for (const QString &ending : verbEndings()) {
            if (typed != stem + ending || !right.endsWith(ending))
                continue;
            // The right form's stem differs from the infinitive's in more than its length.
            const QString rightStem = right.chopped(ending.size());
            if (rightStem.size() >= 2 && rightStem.front() == stem.front() &&
                !rightStem.startsWith(stem) && !stem.startsWith(rightStem))
                return Finding{MistakeKind::StemChange,
                               QStringLiteral("the ending is right, the stem changes")};
        }
    }
    return std::nullopt;
}

std::optional<Finding> stemVowel(const Answer &answer)
{
    const WordPair pair = differingWord(answer.typed, answer.right);
    if (!holdsVerbStem(answer.role) || pair.right.isEmpty())
        return std::nullopt;
    const VowelRuns typed = vowelRunsOf(pair.typed);
    const VowelRuns right = vowelRunsOf(pair.right);
    if (typed.frame != right.frame)
        return std::nullopt;
    // A vowel that ends the word is its ending ("mache"), not its stem.
    const qsizetype stemRuns = right.runs.size() - (isVowel(pair.right.back()) ? 1 : 0);
    bool differs = false;
    for (qsizetype run = 0; run < right.runs.size(); ++run) {
        if (typed.runs[run] == right.runs[run])
            continue;
        const QString &typedRun = typed.runs[run];
        const QString &rightRun = right.runs[run];
        // A word's first letter left out or added ("usgezeichnet") is a slip, not a vowel.
        const bool firstLetterSlip = run == 0 && isVowel(pair.right.front()) &&
                                     (typedRun.endsWith(rightRun) || rightRun.endsWith(typedRun));
        if (run >= stemRuns || firstLetterSlip || onlyDoubled(typedRun, rightRun))
            return std::nullopt;
        differs = true;
    }
    if (!differs)
        return std::nullopt;
    return Finding{MistakeKind::StemVowel, QStringLiteral("the stem vowel is wrong")};
}

std::optional<Finding> wrongEnding(const Answer &answer)
{
    if (!holdsVerbStem(answer.role) && answer.role != BoxRole::Auxiliary)
        return std::nullopt;
    const WordPair pair = differingWord(answer.typed, answer.right);
    for (const QString &ending : verbEndings()) {
        if (!pair.right.endsWith(ending))
            continue;
        const QString stem = pair.right.chopped(ending.size());
        if (stem.size() >= 2 && pair.typed.startsWith(stem) &&
            verbEndings().contains(pair.typed.mid(stem.size())))
            return Finding{MistakeKind::WrongEnding,
                           QStringLiteral("the stem is right, the ending is not")};
    }
    return std::nullopt;
}

} // namespace explain::checks
