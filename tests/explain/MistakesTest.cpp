// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/VerbFile.h"
#include "explain/MistakeClassifier.h"

#include <gtest/gtest.h>

#include <QHash>
#include <QSet>

#include <optional>

using explain::MistakeKind;
using K = MistakeKind;

namespace {

// Tenses by number, and boxes by person and column: box = person + column offset.
enum Tense {
    Pres,
    Past,
    Fut,
    Perf,
    PastPerf,
    FutPerf,
    SubjI,
    SubjII,
    PerfSubjI,
    PastPerfSubjII,
    FutSubjI,
    FutSubjII,
    FutPerfSubjI,
    FutPerfSubjII,
    Imp
};
constexpr int Ich = 1, Du = 2, Er = 4, Wir = 17, Ihr = 18;
constexpr int C1 = 0, C2 = 4, C3 = 8, C4 = 12;
constexpr int ImpDu = 33, ImpIhr = 34, ImpSie = 35, ImpSieRest = 36;

const data::VerbFile &shippedFile()
{
    static const data::VerbFile file = data::VerbFile::read(ZANDREL_SHIPPED_VERB_FILE);
    return file;
}

std::optional<explain::VerbForms> shippedVerb(const QString &name)
{
    static const QHash<QString, qsizetype> records = [] {
        QHash<QString, qsizetype> byName;
        for (qsizetype record = 0; record < shippedFile().recordCount(); ++record)
            byName.insert(data::payloadText(shippedFile().recordLine(record, 0)).trimmed(), record);
        return byName;
    }();
    if (!records.contains(name))
        return std::nullopt;
    return explain::VerbForms::read(shippedFile(), records.value(name));
}

struct Mistake {
    const char *verb;
    int tense;
    int box;
    const char *typed;
    MistakeKind kind;
    const char *saying; // a piece of the sentence
};

void PrintTo(const Mistake &mistake, std::ostream *out)
{
    *out << mistake.verb << " " << mistake.tense << "/" << mistake.box << " \"" << mistake.typed
         << "\"";
}

// Learners' mistakes across every kind of verb and every tense group.
// clang-format off
const Mistake Mistakes[] = {
    // ending and stem
    {"sprechen", Pres, Du + C2, "sprechst", K::StemChange, "sprechst: the ending is right, the stem changes: du sprichst"},
    {"geben", Pres, Du + C2, "gebst", K::StemChange, "du gibst"},
    {"nehmen", Pres, Du + C2, "nehmst", K::StemChange, "du nimmst"},
    {"helfen", Pres, Du + C2, "helfst", K::StemChange, "du hilfst"},
    {"sehen", Pres, Du + C2, "sehst", K::StemChange, "du siehst"},
    {"treffen", Pres, Du + C2, "treffst", K::StemChange, "du triffst"},
    {"fernsehen", Pres, Du + C2, "sehst", K::StemChange, "du siehst fern"},
    {"sich ansehen", Pres, Du + C2, "sehst", K::StemChange, "du siehst dir an"},
    {"sprechen", Imp, ImpDu, "sprech", K::StemChange, "(du) sprich"},
    {"nehmen", Imp, ImpDu, "nehm", K::StemChange, "(du) nimm"},
    {"schwimmen", Perf, Ich + C3, "geschwimmen", K::StemChange, "ich bin geschwommen"},
    {"schreiben", PastPerf, Wir + C3, "geschreiben", K::StemChange, "wir hatten geschrieben"},
    {"nehmen", FutPerf, Er + C3, "genehmen", K::StemChange, "er/sie/es wird genommen haben"},
    {"arbeiten", Pres, Du + C2, "arbeitst", K::WrongEnding, "the stem is right, the ending is not: du arbeitest"},
    {"warten", Pres, Er + C2, "wartt", K::WrongEnding, "er/sie/es wartet"},
    {"tanzen", Pres, Du + C2, "tanzst", K::WrongEnding, "du tanzt"},
    {"reisen", Pres, Du + C2, "reisst", K::WrongEnding, "du reist"},
    {"kaufen", Past, Ich + C2, "kaufete", K::WrongEnding, "ich kaufte"},
    {"sprechen", Past, Du + C2, "sprachtest", K::WrongEnding, "du sprachst"},
    {"machen", Perf, Du + C3, "gemachen", K::WrongEnding, "du hast gemacht"},
    {"sich ärgern", Pres, Du + C2, "ärgerest", K::WrongEnding, "du ärgerst dich"},
    // umlaut
    {"fahren", Pres, Er + C2, "fahrt", K::UmlautMissing, "the umlaut is missing (that is the ihr form): er/sie/es fährt"},
    {"fahren", Pres, Du + C2, "fahrst", K::UmlautMissing, "du fährst"},
    {"schlafen", Pres, Er + C2, "schlaft", K::UmlautMissing, "er/sie/es schläft"},
    {"laufen", Pres, Du + C2, "laufst", K::UmlautMissing, "du läufst"},
    {"halten", Pres, Er + C2, "halt", K::UmlautMissing, "er/sie/es hält"},
    {"Rad fahren", Pres, Du + C2, "fahrst", K::UmlautMissing, "du fährst Rad"},
    {"einschlafen", Pres, Er + C2, "schlaft", K::UmlautMissing, "er/sie/es schläft ein"},
    {"haben", SubjII, Ich + C2, "hatte", K::UmlautMissing, "(that is the past): ich hätte"},
    {"kommen", SubjII, Er + C2, "kame", K::UmlautMissing, "er/sie/es käme"},
    {"wissen", SubjII, Wir + C2, "wussten", K::UmlautMissing, "wir wüssten"},
    {"können", PastPerfSubjII, Ich + C1, "hatte", K::UmlautMissing, "ich hätte gekonnt"},
    {"lassen", Pres, Ihr + C2, "lässt", K::UmlautExtra, "no umlaut here (that is the du and er/sie/es form): ihr lasst"},
    {"können", Past, Ich + C2, "könnte", K::UmlautExtra, "(that is the present subjunctive II)"},
    {"müssen", Past, Ich + C2, "müsste", K::UmlautExtra, "ich musste"},
    {"werden", Past, Er + C2, "würde", K::UmlautExtra, "er/sie/es wurde"},
    {"fahren", Imp, ImpDu, "fähr", K::UmlautExtra, "(du) fahr"},
    {"fahren", Pres, Er + C2, "faehrt", K::UmlautSpelledOut, "write the umlaut as one letter: er/sie/es fährt"},
    {"müssen", Pres, Wir + C2, "muessen", K::UmlautSpelledOut, "wir müssen"},
    {"sich ärgern", Pres, Ich + C2, "aergere", K::UmlautSpelledOut, "ich ärgere mich"},
    // stem vowel and weak forms of other verbs
    {"schwimmen", Past, Er + C2, "schwomm", K::StemVowel, "the stem vowel is wrong: er/sie/es schwamm"},
    {"schwimmen", PastPerf, Ich + C3, "geschwammen", K::StemVowel, "ich war geschwommen"},
    {"finden", Past, Ich + C2, "fund", K::StemVowel, "ich fand"},
    {"trinken", Perf, Wir + C3, "getranken", K::StemVowel, "wir haben getrunken"},
    {"beginnen", Past, Er + C2, "begonn", K::StemVowel, "er/sie/es begann"},
    {"sprechen", PerfSubjI, Er + C3, "gesprachen", K::StemVowel, "er/sie/es habe gesprochen"},
    {"bleiben", Past, Ich + C2, "blib", K::StemVowel, "ich blieb"},
    {"machen", Pres, Ich + C2, "maache", K::Unclassified, "the right form is ich mache"},
    {"ausprobieren", Perf, Ich + C3, "usprobiert", K::Unclassified, "the right form is ich habe ausprobiert"},
    {"sich waschen", Pres, Ich + C3, "miche", K::Unclassified, "the right form is ich wasche mich"},
    {"schwimmen", Past, Ich + C2, "schwimmte", K::WeakForm, "schwimmen is a strong verb, not a weak one: ich schwamm"},
    {"gehen", Perf, Ich + C3, "gegeht", K::WeakForm, "gehen is a strong verb"},
    {"finden", Past, Wir + C2, "findeten", K::WeakForm, "wir fanden"},
    {"trinken", Past, Er + C2, "trinkte", K::WeakForm, "er/sie/es trank"},
    {"anrufen", Perf, Ich + C3, "angeruft", K::WeakForm, "ich habe angerufen"},
    {"Rad fahren", Past, Ich + C2, "fahrte", K::WeakForm, "Rad fahren is a strong verb"},
    {"spazieren gehen", FutPerf, Ich + C3, "gegeht", K::WeakForm, "ich werde spazieren gegangen sein"},
    {"bringen", Perf, Ich + C3, "gebringt", K::WeakForm, "bringen is a mixed verb: its stem changes: ich habe gebracht"},
    {"denken", Past, Ich + C2, "denkte", K::WeakForm, "ich dachte"},
    {"kennen", Perf, Wir + C3, "gekennt", K::WeakForm, "wir haben gekannt"},
    {"mitbringen", Perf, Du + C3, "mitgebringt", K::WeakForm, "du hast mitgebracht"},
    {"sich unterhalten", Past, Ich + C2, "unterhaltete", K::WeakForm, "ich unterhielt mich"},
    {"wissen", Past, Ich + C2, "wisste", K::WeakForm, "wissen is an irregular verb"},
    // ge-
    {"machen", Perf, Du + C3, "macht", K::GeMissing, "the participle needs ge- (that is the present): du hast gemacht"},
    {"kaufen", PastPerf, Ich + C3, "kauft", K::GeMissing, "ich hatte gekauft"},
    {"lernen", FutPerf, Ich + C3, "lernt", K::GeMissing, "ich werde gelernt haben"},
    {"tanzen", FutPerfSubjII, Wir + C3, "tanzt", K::GeMissing, "wir würden getanzt haben"},
    {"Pause machen", Perf, Ich + C3, "macht", K::GeMissing, "ich habe Pause gemacht"},
    {"einkaufen", Perf, Ich + C3, "einkauft", K::GeMissing, "ge- goes between the prefix and the stem: ich habe eingekauft"},
    {"studieren", Perf, Ich + C3, "gestudiert", K::GeExtra, "verbs in -ieren take no ge-: ich habe studiert"},
    {"besuchen", Perf, Wir + C3, "gebesucht", K::GeExtra, "verbs with the prefix be- take no ge-"},
    {"erzählen", PastPerf, Er + C3, "geerzählt", K::GeExtra, "the prefix er-"},
    {"vergessen", Perf, Ich + C3, "gevergessen", K::GeExtra, "the prefix ver-"},
    {"ausprobieren", Perf, Du + C3, "ausgeprobiert", K::GeExtra, "du hast ausprobiert"},
    {"sich interessieren", Perf, Ich + C3, "geinteressiert", K::GeExtra, "ich habe mich interessiert"},
    {"sich beeilen", FutPerfSubjI, Er + C3, "gebeeilt", K::GeExtra, "er/sie/es werde sich beeilt haben"},
    {"sich entscheiden", Perf, Wir + C3, "geentschieden", K::GeExtra, "the prefix ent-"},
    // separable prefix and two-word verbs
    {"aufstehen", Perf, Ich + C3, "geaufstanden", K::GeBeforePrefix, "ge- goes after the prefix auf: ich bin aufgestanden"},
    {"anrufen", Perf, Er + C3, "geanrufen", K::GeBeforePrefix, "er/sie/es hat angerufen"},
    {"einkaufen", PastPerfSubjII, Ich + C3, "geeinkauft", K::GeBeforePrefix, "ich hätte eingekauft"},
    {"kennenlernen", Perf, Wir + C3, "gekennenlernt", K::GeBeforePrefix, "wir haben kennengelernt"},
    {"sich vorstellen", Perf, Ich + C3, "gevorstellt", K::GeBeforePrefix, "ich habe mich vorgestellt"},
    {"aufstehen", Pres, Ich + C2, "aufstehe", K::PrefixAttached, "the prefix auf goes to the end, in a box of its own: ich stehe auf"},
    {"anrufen", Past, Er + C2, "anrief", K::PrefixAttached, "er/sie/es rief an"},
    {"einkaufen", Pres, Wir + C2, "einkaufen", K::PrefixAttached, "wir kaufen ein"},
    {"fernsehen", Pres, Du + C2, "fernsiehst", K::PrefixAttached, "du siehst fern"},
    {"ankommen", SubjII, Ich + C2, "ankäme", K::PrefixAttached, "ich käme an"},
    {"sich anziehen", Pres, Ich + C2, "anziehe", K::PrefixAttached, "ich ziehe mich an"},
    {"mitnehmen", Imp, ImpDu, "mitnimm", K::PrefixAttached, "the prefix mit goes to the end: (du) nimm mit"},
    {"sich vorstellen", Imp, ImpDu, "vorstell dich", K::PrefixAttached, "(du) stell dich vor"},
    {"anfangen", Imp, ImpSie, "anfangen", K::PrefixAttached, "fangen Sie an"},
    {"spazieren gehen", Pres, Ich + C2, "spazierengehe", K::PrefixAttached, "spazieren is a word of its own, in a box of its own: ich gehe spazieren"},
    {"aufstehen", Fut, Ich + C3, "stehen auf", K::PrefixDetached, "the prefix auf stays joined to the infinitive: ich werde aufstehen"},
    {"anrufen", Perf, Ich + C3, "gerufen an", K::PrefixDetached, "stays joined to the participle"},
    {"einkaufen", Perf, Er + C3, "ein gekauft", K::PrefixDetached, "er/sie/es hat eingekauft"},
    {"mitbringen", FutSubjI, Du + C3, "bringen mit", K::PrefixDetached, "du werdest mitbringen"},
    {"sich anziehen", Perf, Ich + C3, "gezogen an", K::PrefixDetached, "ich habe mich angezogen"},
    {"aufstehen", Perf, Er + C3, "gestanden", K::PrefixMissing, "the prefix auf is missing: er/sie/es ist aufgestanden"},
    {"anrufen", Fut, Ich + C3, "rufen", K::PrefixMissing, "ich werde anrufen"},
    {"einkaufen", Imp, ImpDu, "kauf", K::PrefixMissing, "(du) kauf ein"},
    {"mitnehmen", FutPerfSubjI, Ich + C3, "genommen", K::PrefixMissing, "ich werde mitgenommen haben"},
    {"sich anziehen", Imp, ImpSieRest, "sich", K::PrefixMissing, "ziehen Sie sich an"},
    {"spazieren gehen", Imp, ImpIhr, "geht", K::PrefixMissing, "spazieren is missing: (ihr) geht spazieren"},
    // words too many or missing
    {"aufstehen", Pres, Ich + C2, "stehe auf", K::ExtraWords, "only stehe goes in this box: ich stehe auf"},
    {"gehen", Pres, Ich + C2, "ich gehe", K::ExtraWords, "only gehe goes in this box"},
    {"machen", Perf, Ich + C3, "habe gemacht", K::ExtraWords, "only gemacht goes in this box"},
    {"sich waschen", Pres, Ich + C2, "wasche mich", K::ExtraWords, "ich wasche mich"},
    {"Auto fahren", Pres, Er + C2, "fährt Auto", K::ExtraWords, "er/sie/es fährt Auto"},
    {"Bescheid wissen", Pres, Du + C2, "weißt Bescheid", K::ExtraWords, "du weißt Bescheid"},
    {"sich merken", Imp, ImpDu, "merk", K::MissingWord, "dir is missing: (du) merk dir"},
    {"sich waschen", Imp, ImpIhr, "wascht", K::MissingWord, "euch is missing"},
    {"sich vorstellen", Imp, ImpDu, "stell vor", K::MissingWord, "dich is missing"},
    // haben or sein
    {"gehen", Perf, Er + C1, "hat", K::WrongAuxiliary, "gehen takes sein, not haben: er/sie/es ist gegangen"},
    {"kommen", PastPerf, Ich + C1, "hatte", K::WrongAuxiliary, "ich war gekommen"},
    {"machen", Perf, Ich + C1, "bin", K::WrongAuxiliary, "machen takes haben, not sein"},
    {"aufstehen", PastPerfSubjII, Ich + C1, "hätte", K::WrongAuxiliary, "ich wäre aufgestanden"},
    {"spazieren gehen", FutPerf, Ich + C4, "haben", K::WrongAuxiliary, "spazieren gehen takes sein, not haben"},
    {"sich freuen", FutPerf, Wir + C4, "sein", K::WrongAuxiliary, "wir werden uns gefreut haben"},
    {"reisen", PerfSubjI, Er + C1, "habe", K::WrongAuxiliary, "er/sie/es sei gereist"},
    {"bleiben", Perf, Wir + C1, "haben", K::WrongAuxiliary, "wir sind geblieben"},
    {"Angst haben", Perf, Ich + C1, "bin", K::WrongAuxiliary, "ich habe Angst gehabt"},
    {"sein", Perf, Ich + C1, "habe", K::WrongAuxiliary, "sein takes sein, not haben"},
    {"lernen", Fut, Ich + C1, "habe", K::WrongAuxiliary, "the future tenses take werden, not haben: ich werde lernen"},
    // reflexive pronoun
    {"sich waschen", Pres, Ich + C3, "sich", K::ReflexivePerson, "the pronoun goes with the person: ich wasche mich"},
    {"sich freuen", Perf, Wir + C2, "sich", K::ReflexivePerson, "wir haben uns gefreut"},
    {"sich setzen", Imp, ImpDu, "setz sich", K::ReflexivePerson, "(du) setz dich"},
    {"sich beeilen", Imp, ImpSieRest, "euch", K::ReflexivePerson, "beeilen Sie sich"},
    {"sich etwas vorstellen", Pres, Ich + C3, "mich", K::ReflexiveCase, "the pronoun is dative here: ich stelle mir vor"},
    {"sich merken", Perf, Du + C2, "dich", K::ReflexiveCase, "du hast dir gemerkt"},
    {"sich anziehen", Pres, Ich + C3, "mir", K::ReflexiveCase, "the pronoun is accusative here: ich ziehe mich an"},
    {"sich ansehen", Fut, Ich + C2, "mich", K::ReflexiveCase, "ich werde mir ansehen"},
    {"sich ausdenken", FutPerf, Du + C2, "dich", K::ReflexiveCase, "du wirst dir ausgedacht haben"},
    // another person or tense
    {"sprechen", Pres, Du + C2, "sprecht", K::OtherPerson, "sprecht: that is the ihr form: du sprichst"},
    {"lesen", Pres, Er + C2, "lest", K::OtherPerson, "er/sie/es liest"},
    {"essen", Pres, Du + C2, "esst", K::OtherPerson, "du isst"},
    {"machen", Past, Du + C2, "machtet", K::OtherPerson, "the ihr form"},
    {"sein", Pres, Ich + C2, "ist", K::OtherPerson, "the er/sie/es form: ich bin"},
    {"haben", Pres, Du + C2, "hat", K::OtherPerson, "du hast"},
    {"können", Pres, Ich + C2, "können", K::OtherPerson, "the wir, sie and Sie form: ich kann"},
    {"wollen", Pres, Er + C2, "willst", K::OtherPerson, "the du form"},
    {"dürfen", Pres, Er + C2, "darfst", K::OtherPerson, "er/sie/es darf"},
    {"werden", Pres, Du + C2, "wird", K::OtherPerson, "du wirst"},
    {"sich freuen", Pres, Ich + C2, "freut", K::OtherPerson, "the er/sie/es and ihr form: ich freue mich"},
    {"nachdenken", Past, Ich + C2, "dachtest", K::OtherPerson, "ich dachte nach"},
    {"arbeiten", Perf, Ich + C1, "hat", K::OtherPerson, "ich habe gearbeitet"},
    {"kommen", FutPerf, Wir + C1, "werdet", K::OtherPerson, "wir werden gekommen sein"},
    {"gehen", Imp, ImpDu, "geht", K::OtherPerson, "the ihr imperative: (du) geh"},
    {"fahren", Past, Er + C2, "fährt", K::OtherTense, "fährt: that is the present: er/sie/es fuhr"},
    {"gehen", SubjII, Ich + C2, "gehe", K::OtherTense, "that is the present: ich ginge"},
    {"kommen", Past, Ich + C2, "komme", K::OtherTense, "ich kam"},
    {"können", SubjI, Ich + C2, "kann", K::OtherTense, "that is the present: ich könne"},
    {"sein", SubjI, Du + C2, "bist", K::OtherTense, "that is the present"},
    {"sprechen", Perf, Ich + C3, "sprechen", K::OtherTense, "that is the infinitive: ich habe gesprochen"},
    {"anrufen", Fut, Er + C3, "angerufen", K::OtherTense, "that is the participle: er/sie/es wird anrufen"},
    {"sehen", Perf, Du + C3, "sah", K::OtherTense, "that is the past"},
    {"sprechen", Imp, ImpDu, "sprichst", K::OtherTense, "that is the present: (du) sprich"},
    {"aufstehen", Imp, ImpDu, "stehst auf", K::OtherTense, "that is the present: (du) steh auf"},
    {"machen", PerfSubjI, Ich + C1, "hatte", K::OtherTense, "that is the past perfect"},
    {"schlafen", FutPerfSubjI, Er + C1, "wird", K::OtherTense, "that is the future: er/sie/es werde geschlafen haben"},
    {"lesen", FutSubjII, Ich + C1, "werde", K::OtherTense, "ich würde lesen"},
    {"singen", Past, Wir + C2, "singen", K::OtherTense, "wir sangen"},
    {"machen", Past, Ich + C2, "habe", K::OtherTense, "that is the auxiliary of the present perfect: ich machte"},
    // spelling and layout
    {"gehen", Pres, Ich + C2, "Gehe", K::Capitalisation, "no capital letter here: ich gehe"},
    {"können", Pres, Wir + C2, "Können", K::Capitalisation, "wir können"},
    {"Auto fahren", Pres, Ich + C4, "auto", K::Capitalisation, "Auto is written with a capital letter: ich fahre Auto"},
    {"Angst haben", Perf, Du + C2, "angst", K::Capitalisation, "du hast Angst gehabt"},
    {"Rad fahren", Imp, ImpDu, "fahr rad", K::Capitalisation, "(du) fahr Rad"},
    {"gehen", Pres, Ich + C2, "gehe ", K::Spacing, "a space at the end: ich gehe"},
    {"lernen", Perf, Ich + C3, " gelernt", K::Spacing, "a space at the start"},
    {"spazieren gehen", Imp, ImpDu, "gehspazieren", K::Spacing, "a space is missing: (du) geh spazieren"},
    {"sich waschen", Imp, ImpDu, "wasch  dich", K::Spacing, "a space too many"},
    {"lassen", Pres, Du + C2, "läßt", K::Eszett, "ss after a short vowel, not ß: du lässt"},
    {"wissen", Pres, Ich + C2, "weiss", K::Eszett, "ß after a long vowel or a diphthong, not ss: ich weiß"},
    {"essen", Pres, Er + C2, "ißt", K::Eszett, "er/sie/es isst"},
    {"heißen", Pres, Ich + C2, "heisse", K::Eszett, "ich heiße"},
    {"müssen", Past, Ich + C2, "mußte", K::Eszett, "ich musste"},
    {"vergessen", Perf, Ich + C3, "vergeßen", K::Eszett, "ich habe vergessen"},
    {"fahren", Pres, Du + C2, "fa\xcc\x88hrst", K::CombiningAccent, "a separate accent: du fährst"},
    // nothing or nothing known
    {"gehen", Pres, Ich + C2, "gehe", K::Correct, "right: ich gehe"},
    {"sprechen", Pres, Du + C2, "", K::NotAnswered, "not answered: du sprichst"},
    {"aufstehen", Imp, ImpSieRest, "  ", K::NotAnswered, "stehen Sie auf"},
    {"tun", Pres, Ich + C2, "mache", K::Unclassified, "mache: the right form is ich tue"},
    {"wissen", Perf, Ich + C3, "geweißt", K::Unclassified, "the right form is ich habe gewusst"},
};
// clang-format on

class LearnerMistake : public testing::TestWithParam<Mistake> {};

TEST_P(LearnerMistake, IsExplainedByItsKind)
{
    const Mistake &mistake = GetParam();
    const std::optional<explain::VerbForms> verb = shippedVerb(QString::fromUtf8(mistake.verb));
    ASSERT_TRUE(verb);
    const QString &right = verb->form(mistake.tense, mistake.box);
    ASSERT_FALSE(right.isEmpty());
    const explain::Explanation explanation = explain::explainAnswer(
        QString::fromUtf8(mistake.typed), right, *verb, mistake.tense, mistake.box);
    EXPECT_EQ(int(explanation.kind), int(mistake.kind))
        << explain::kindLabel(explanation.kind).toStdString() << ": "
        << explanation.sentence.toStdString();
    EXPECT_TRUE(explanation.sentence.contains(QString::fromUtf8(mistake.saying)))
        << explanation.sentence.toStdString();
}

INSTANTIATE_TEST_SUITE_P(ShippedVerbs, LearnerMistake, testing::ValuesIn(Mistakes));

// The short line names the kind in a few words, then the right form with its person.
TEST(ShortText, NamesTheKindAndTheRightForm)
{
    const std::optional<explain::VerbForms> verb = shippedVerb(QStringLiteral("sprechen"));
    ASSERT_TRUE(verb);
    EXPECT_EQ(explain::explainAnswer(QStringLiteral("sprechst"), QStringLiteral("sprichst"), *verb,
                                     Pres, Du + C2)
                  .shortText,
              u"stem change: du sprichst");
    QStringList labels;
    for (int kind = int(K::Correct); kind <= int(K::Unclassified); ++kind)
        labels.append(explain::kindLabel(MistakeKind(kind)));
    EXPECT_FALSE(labels.contains(QString()));
    EXPECT_EQ(labels.size(), QSet<QString>(labels.begin(), labels.end()).size());
}

} // namespace
