// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "explain/MistakeClassifier.h"

#include "explain/Answer.h"
#include "explain/GrammarChecks.h"
#include "explain/PartChecks.h"
#include "explain/SpellingChecks.h"

#include <array>

namespace explain {

namespace {

using Check = std::optional<checks::Finding> (*)(const Answer &);

// The checks in the order they are tried: the most telling explanation first.
// Spelling and layout slips come before grammar (a capital letter is all that
// is wrong with "Gehe"); whole-word mix-ups (another auxiliary, pronoun,
// person or tense) before the parts of a word, since "sprecht" for
// "sprichst" is better told as the ihr form than as a wrong ending. Umlaut and
// ge- come before the person and the tense: "fahrt" for "er fährt" is the ihr
// form, but it is the missing umlaut that the learner needs to hear about.
constexpr std::array<Check, 20> Checks = {
    checks::combiningAccent,  // fährt typed as a + a separate accent
    checks::prefixDetached,   // stehen auf, auf gestanden
    checks::spacing,          // "gehe ", gehspazieren
    checks::capitalisation,   // Gehe, auto
    checks::eszett,           // läßt, weiss
    checks::prefixAttached,   // aufstehe, spazierengehe
    checks::geBeforePrefix,   // geaufstanden
    checks::prefixMissing,    // gestanden for aufgestanden
    checks::extraWords,       // stehe auf in the verb's box
    checks::missingWord,      // merk for merk dir
    checks::wrongAuxiliary,   // hat for ist
    checks::reflexivePronoun, // sich for mich, mich for mir
    checks::umlaut,           // fahrt, ihr lässt, faehrt
    checks::geMissingOrExtra, // macht, gestudiert
    checks::otherPerson,      // sprecht for du sprichst
    checks::otherTense,       // fährt for er fuhr
    checks::weakForm,         // schwimmte
    checks::stemChange,       // sprechst
    checks::stemVowel,        // schwomm
    checks::wrongEnding,      // arbeitst
};

Explanation explained(MistakeKind kind, const QString &sentence, const QString &rowPhrase)
{
    return {kind, sentence, kindLabel(kind) + QStringLiteral(": ") + rowPhrase};
}

} // namespace

Explanation explainAnswer(const QString &typed, const QString &right, const VerbForms &verb,
                          int tense, int box)
{
    const Answer answer(verb, tense, box, typed, right);
    const QString phrase = answer.rowPhrase();
    if (typed == right)
        return explained(MistakeKind::Correct, QStringLiteral("right: ") + phrase, phrase);
    if (typed.trimmed().isEmpty())
        return explained(MistakeKind::NotAnswered, QStringLiteral("not answered: ") + phrase,
                         phrase);
    for (const Check check : Checks) {
        if (const std::optional<checks::Finding> finding = check(answer))
            return explained(finding->kind,
                             QStringLiteral("%1: %2: %3").arg(typed, finding->what, phrase),
                             phrase);
    }
    return explained(MistakeKind::Unclassified,
                     QStringLiteral("%1: the right form is %2").arg(typed, phrase), phrase);
}

} // namespace explain
