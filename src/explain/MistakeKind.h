// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace explain {

// What kind of mistake a typed form holds, in the order the classifier tries
// them: the first that fits is the explanation.
enum class MistakeKind {
    Correct,          // the typed text is exactly the form
    NotAnswered,      // nothing typed, or blanks only
    CombiningAccent,  // the right letters, one typed as a letter and a separate accent
    PrefixDetached,   // stehen auf, auf gestanden for aufstehen, aufgestanden
    Spacing,          // a space too many, at either end, or missing
    Capitalisation,   // Gehe for gehe, auto for Auto
    Eszett,           // läßt for lässt, weiss for weiß
    PrefixAttached,   // aufstehe for stehe ... auf
    GeBeforePrefix,   // geaufstanden for aufgestanden
    PrefixMissing,    // gestanden for aufgestanden
    ExtraWords,       // stehe auf, ich gehe in a box that holds one word
    MissingWord,      // putz die Zähne for putz dir die Zähne
    WrongAuxiliary,   // hat for ist (haben for sein or the reverse), habe for werde
    ReflexiveCase,    // mich for mir
    ReflexivePerson,  // sich for mich
    UmlautMissing,    // fahrt for fährt
    UmlautExtra,      // lässt for lasst
    UmlautSpelledOut, // faehrt for fährt
    GeMissing,        // macht for gemacht
    GeExtra,          // gestudiert for studiert
    OtherPerson,      // sprecht for du sprichst: the ihr form
    OtherTense,       // fährt for er fuhr: the present
    WeakForm,         // schwimmte for schwamm: a strong verb made weak
    StemChange,       // sprechst for sprichst: the ending is right, the stem changes
    StemVowel,        // schwomm for schwamm
    WrongEnding,      // arbeitst for arbeitest
    Unclassified,     // none of the above: the right form is ...
};

// A few words for the kind, for a short line: "stem change", "another person".
QString kindLabel(MistakeKind kind);

} // namespace explain
