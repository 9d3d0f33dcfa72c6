// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "explain/MistakeKind.h"

#include <array>
#include <utility>

namespace explain {

QString kindLabel(MistakeKind kind)
{
    static const std::array<std::pair<MistakeKind, const char *>, 27> labels = {{
        {MistakeKind::Correct, "right"},
        {MistakeKind::NotAnswered, "not answered"},
        {MistakeKind::CombiningAccent, "separate accent"},
        {MistakeKind::PrefixDetached, "prefix detached"},
        {MistakeKind::Spacing, "spacing"},
        {MistakeKind::Capitalisation, "capital letter"},
        {MistakeKind::Eszett, "ß or ss"},
        {MistakeKind::PrefixAttached, "prefix attached"},
        {MistakeKind::GeBeforePrefix, "ge- before the prefix"},
        {MistakeKind::PrefixMissing, "prefix missing"},
        {MistakeKind::ExtraWords, "words too many"},
        {MistakeKind::MissingWord, "word missing"},
        {MistakeKind::WrongAuxiliary, "wrong auxiliary"},
        {MistakeKind::ReflexiveCase, "reflexive pronoun: case"},
        {MistakeKind::ReflexivePerson, "reflexive pronoun: person"},
        {MistakeKind::UmlautMissing, "umlaut missing"},
        {MistakeKind::UmlautExtra, "umlaut extra"},
        {MistakeKind::UmlautSpelledOut, "umlaut spelled out"},
        {MistakeKind::GeMissing, "ge- missing"},
        {MistakeKind::GeExtra, "ge- extra"},
        {MistakeKind::OtherPerson, "another person"},
        {MistakeKind::OtherTense, "another tense"},
        {MistakeKind::WeakForm, "made regular"},
        {MistakeKind::StemChange, "stem change"},
        {MistakeKind::StemVowel, "stem vowel"},
        {MistakeKind::WrongEnding, "wrong ending"},
        {MistakeKind::Unclassified, "wrong"},
    }};
    for (const auto &[labelled, label] : labels) {
        if (labelled == kind)
            return QString::fromUtf8(label);
    }
    return {};
}

} // namespace explain
