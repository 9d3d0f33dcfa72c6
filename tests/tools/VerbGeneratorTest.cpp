// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The generator's parts: the corrections it applies to the dictionary, the
// table reader, and the records it lays out, read back through the trainer's
// own file reader.
#include "MiniVerbFile.h"

#include "FormCorrections.h"
#include "FormDictionary.h"
#include "Generator.h"
#include "RecordWriter.h"
#include "VerbTable.h"

#include "data/Alternatives.h"
#include "data/RecordLayout.h"
#include "data/VerbFile.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace verbgen;

namespace {

// ---------------------------------------------------------------------------
// The du imperative without its optional -e.

struct ImperativeCase {
    const char *dictionary;
    const char *infinitive;
    const char *expected;
};

class ImperativeRule : public testing::TestWithParam<ImperativeCase> {};

TEST_P(ImperativeRule, DropsOnlyTheOptionalE)
{
    const ImperativeCase &c = GetParam();
    EXPECT_EQ(imperativeWithoutOptionalE(QString::fromUtf8(c.dictionary),
                                         QString::fromUtf8(c.infinitive)),
              QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Imperatives, ImperativeRule,
    testing::Values(
        ImperativeCase{"gehe", "gehen", "geh"}, ImperativeCase{"komme", "kommen", "komm"},
        ImperativeCase{"mache", "machen", "mach"}, ImperativeCase{"freue", "freuen", "freu"},
        ImperativeCase{"tue", "tun", "tu"}, ImperativeCase{"lerne", "lernen", "lern"},
        ImperativeCase{"wohne", "wohnen", "wohn"}, ImperativeCase{"zeige", "zeigen", "zeig"},
        ImperativeCase{"schreie", "schreien", "schrei"},
        ImperativeCase{"steige", "steigen", "steig"},
        ImperativeCase{"arbeite", "arbeiten", "arbeite"},
        ImperativeCase{"finde", "finden", "finde"}, ImperativeCase{"öffne", "öffnen", "öffne"},
        ImperativeCase{"atme", "atmen", "atme"}, ImperativeCase{"rechne", "rechnen", "rechne"},
        ImperativeCase{"zeichne", "zeichnen", "zeichne"},
        ImperativeCase{"sammle", "sammeln", "sammle"}, ImperativeCase{"ändere", "ändern", "ändere"},
        ImperativeCase{"entschuldige", "entschuldigen", "entschuldige"},
        ImperativeCase{"knie", "knien", "knie"}, ImperativeCase{"gib", "geben", "gib"},
        ImperativeCase{"", "können", ""}));

// ---------------------------------------------------------------------------
// The regular fixes of the past tense's du and ihr forms.

TEST(PastSecondPerson, TakesEstAfterDentalsAndSibilants)
{
    SimpleForms forms;
    forms.past = {"las", "last", "las", "lasen", "last", "lasen"};
    lengthenPastSecondPerson(forms);
    EXPECT_EQ(forms.past[SecondSingular], "lasest");
    EXPECT_EQ(forms.past[SecondPlural], "last");

    forms.past = {"tat", "tatst", "tat", "taten", "tatt", "taten"};
    lengthenPastSecondPerson(forms);
    EXPECT_EQ(forms.past[SecondSingular], "tatest");
    EXPECT_EQ(forms.past[SecondPlural], "tatet");
}

TEST(PastSecondPerson, LeavesOtherPastsAlone)
{
    SimpleForms forms;
    forms.past = {"ging", "gingst", "ging", "gingen", "gingt", "gingen"};
    const PersonForms before = forms.past;
    lengthenPastSecondPerson(forms);
    EXPECT_EQ(forms.past, before);
    forms.past = {"sagte", "sagtest", "sagte", "sagten", "sagtet", "sagten"};
    lengthenPastSecondPerson(forms);
    EXPECT_EQ(forms.past[SecondSingular], "sagtest");
}

TEST(SpellingReplacements, ReplaceWholeWordsOnly)
{
    const auto spelling = SpellingReplacements::parse("# c\nmuß\tmuss\nlaß\tlass\n", "s.tsv");
    EXPECT_EQ(spelling.apply("muß"), "muss");
    EXPECT_EQ(spelling.apply("laß es"), "lass es");
    EXPECT_EQ(spelling.apply("mußte"), "mußte"); // only listed words change
}

TEST(SpellingReplacements, RejectAMalformedList)
{
    EXPECT_THROW(SpellingReplacements::parse("muß muss\n", "s.tsv"), TableError);
    EXPECT_THROW(SpellingReplacements::parse("muß\tmuss\nmuß\tmus\n", "s.tsv"), TableError);
}

TEST(Overrides, OneFormOnEExpandsToTheRegularEndings)
{
    const auto forms = expandPersonWords({"brennte"});
    ASSERT_TRUE(forms);
    EXPECT_EQ(*forms,
              (PersonForms{"brennte", "brenntest", "brennte", "brennten", "brenntet", "brennten"}));
    EXPECT_FALSE(expandPersonWords({"hing"}));
    EXPECT_FALSE(expandPersonWords({"a", "b"}));
}

// ---------------------------------------------------------------------------
// Reading the verb table.

struct TableFault {
    const char *line;
    const char *expected;
};

class TableFaults : public testing::TestWithParam<TableFault> {};

TEST_P(TableFaults, AreReportedWithTheirLine)
{
    const QString text = QStringLiteral("# header\n") + QString::fromUtf8(GetParam().line) + "\n";
    try {
        parseVerbTable(text, "verbs.tsv");
        FAIL() << "accepted: " << GetParam().line;
    } catch (const TableError &error) {
        EXPECT_NE(std::string(error.what()).find("verbs.tsv:2: "), std::string::npos)
            << error.what();
        EXPECT_NE(std::string(error.what()).find(GetParam().expected), std::string::npos)
            << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TableFaults,
    testing::Values(
        TableFault{"gehen\tn\tsein\t-\t-\ts\tto go\t-", "8 columns"},
        TableFault{"gehen\tx\tsein\t-\t-\ts\tto go\t-\t-", "category \"x\""},
        TableFault{"gehen\tn\tsind\t-\t-\ts\tto go\t-\t-", "auxiliary \"sind\""},
        TableFault{"gehen\tn\tsein\t-\t-\tq\tto go\t-\t-", "type \"q\""},
        TableFault{"gehen\tn\tsein\t-\t-\ts\tgo\t-\t-", "starts with \"to \""},
        TableFault{"sich freuen\tn\thaben\t-\t-\tw\tto be glad\t-\t-", "\"sich \""},
        TableFault{"sich freuen\tr\thaben\t-\t-\tw\tto be glad\t-\t-", "reflexive case"},
        TableFault{"aufstehen\ts\tsein\t-\tan\ts\tto get up\t-\t-", "starts with its prefix"},
        TableFault{"Rad fahren\td\tsein\t-\tRadl\ts\tto cycle\t-\t-", "first word"},
        TableFault{"gehen\tn\tsein\t-\t-\ts\tto go\tPAST=ging\t-", "go together"},
        TableFault{"gehen\tn\tsein\t-\t-\ts\tto go\tPAST=ging\twhy", "six forms"},
        TableFault{"gehen\tn\tsein\t-\t-\ts\tto go\tFUT=x\twhy", "unknown override"},
        TableFault{"gehen\tn\tsein\t-\t-\ts\tto go\tIMP=geh\twhy", "du and the ihr form"},
        TableFault{"sich etwas vorstellen\tr\thaben\tacc\tvor\tw\tto imagine\t-\t-", "dative"},
        TableFault{"sich Sorgen machen\tr\thaben\tdat\t-\tw\tto worry\t-\t-", "blanks"}));

TEST(VerbTable, DerivesTheBaseVerb)
{
    const auto entries =
        parseVerbTable("aufstehen\ts\tsein\t-\tauf\ts\tto get up\t-\t-\n"
                       "sich anziehen\tr\thaben\tacc\tan\ts\tto get dressed\t-\t-\n"
                       "Rad fahren\td\tsein\t-\tRad\ts\tto cycle\t-\t-\n"
                       "sich freuen\tr\thaben\tacc\t-\tw\tto be glad\tPAST=freute\tbecause\n"
                       "sich etwas vorstellen\tr\thaben\tdat\tvor\tw\tto imagine\t-\t-\n",
                       "t.tsv");
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[4].baseInfinitive(), "stellen"); // "etwas" only names the verb
    EXPECT_EQ(entries[0].baseInfinitive(), "stehen");
    EXPECT_EQ(entries[1].baseInfinitive(), "ziehen");
    EXPECT_EQ(entries[1].infinitive(), "anziehen");
    EXPECT_EQ(entries[2].baseInfinitive(), "fahren");
    EXPECT_EQ(entries[3].baseInfinitive(), "freuen");
    EXPECT_EQ(entries[3].overrides.value("PAST"), QStringList{"freute"});
    EXPECT_EQ(entries[3].tableLine, 4);
}

// ---------------------------------------------------------------------------
// The dictionary reader.

TEST(FormDictionary, JoinsSplitFormsAndDropsTheSeparableParticiple)
{
    QFile json(minifile::fixturePath("mini-verbs.json"));
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    const FormDictionary dictionary = FormDictionary::fromJson(json.readAll());
    const auto forms = dictionary.forms("übersetzen");
    ASSERT_TRUE(forms);
    EXPECT_EQ(forms->present[FirstSingular], "übersetze");
    EXPECT_EQ(forms->past[ThirdPlural], "übersetzten");
    EXPECT_EQ(forms->participles, QStringList{"übersetzt"});
    EXPECT_FALSE(dictionary.forms("aufstehen"));
}

TEST(FormDictionary, RejectsWhatIsNotJson)
{
    EXPECT_THROW(FormDictionary::fromJson("{\"gehen\": "), DictionaryError);
    EXPECT_THROW(FormDictionary::fromJson("[1, 2]"), DictionaryError);
    EXPECT_THROW(FormDictionary::load("/nonexistent/verbs.json"), DictionaryError);
}

// ---------------------------------------------------------------------------
// Whole records, read back with the trainer's reader.

class MiniFile : public testing::Test {
protected:
    static void SetUpTestSuite() { file = new data::VerbFile(minifile::bytes()); }
    static void TearDownTestSuite()
    {
        delete file;
        file = nullptr;
    }

    static qsizetype recordOf(const QString &listed)
    {
        for (qsizetype r = 0; r < file->recordCount(); ++r) {
            if (data::answerTextOfPayload(file->header(r).name) == listed)
                return r;
        }
        return -1;
    }

    // The text of box `box` in tense `tense` of the verb, as the refresh reads it.
    static QString box(const QString &listed, int tense, int box)
    {
        const qsizetype record = recordOf(listed);
        if (record < 0)
            return "<no such verb>";
        const auto category = file->header(record).category;
        const data::TenseBlock block = data::tenseBlock(*category, tense);
        for (int j = 0; j < block.answerCount; ++j) {
            if (block.boxes[j] == box)
                return data::answerText(file->recordLine(record, block.answerLine(j)));
        }
        return "<not in block>";
    }

    static inline data::VerbFile *file = nullptr;
};

struct BoxCase {
    const char *verb;
    int tense;
    int box;
    const char *expected;
};

class MiniFileBoxes : public MiniFile, public testing::WithParamInterface<BoxCase> {};

TEST_P(MiniFileBoxes, HoldTheConventionsForms)
{
    const BoxCase &c = GetParam();
    EXPECT_EQ(box(QString::fromUtf8(c.verb), c.tense, c.box), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, MiniFileBoxes,
    testing::Values(
        // "n": the finite verb in column 2; auxiliary and participle in 1 and 3.
        BoxCase{"gehen", 0, 5, "gehe"}, BoxCase{"gehen", 0, 7, "gehen"},
        BoxCase{"gehen", 0, 8, "geht"}, BoxCase{"gehen", 0, 22, "geht"},
        BoxCase{"gehen", 3, 1, "bin"}, BoxCase{"gehen", 3, 9, "gegangen"},
        BoxCase{"gehen", 4, 18, "wart"}, BoxCase{"gehen", 2, 9, "gehen"},
        BoxCase{"gehen", 5, 13, "sein"}, BoxCase{"gehen", 7, 5, "ginge"},
        BoxCase{"gehen", 8, 1, "sei"}, BoxCase{"gehen", 9, 2, "wärst"},
        BoxCase{"gehen", 10, 2, "werdest"}, BoxCase{"gehen", 11, 1, "würde"},
        BoxCase{"gehen", 12, 4, "werde"}, BoxCase{"gehen", 13, 13, "sein"},
        BoxCase{"gehen", 13, 17, "würden"}, BoxCase{"gehen", 14, 33, "geh"},
        BoxCase{"gehen", 14, 34, "geht"}, BoxCase{"gehen", 14, 35, "gehen"},
        // "s": verb and prefix apart in the simple tenses, fused in the others.
        BoxCase{"aufstehen", 0, 5, "stehe"}, BoxCase{"aufstehen", 0, 13, "auf"},
        BoxCase{"aufstehen", 1, 6, "standest"}, BoxCase{"aufstehen", 3, 9, "aufgestanden"},
        BoxCase{"aufstehen", 2, 25, "aufstehen"}, BoxCase{"aufstehen", 5, 16, "sein"},
        BoxCase{"aufstehen", 14, 33, "steh auf"}, BoxCase{"aufstehen", 14, 34, "steht auf"},
        BoxCase{"aufstehen", 14, 35, "stehen"}, BoxCase{"aufstehen", 14, 36, "auf"},
        // "r": the pronoun beside the verb, accusative or dative.
        BoxCase{"sich anziehen", 0, 5, "ziehe"}, BoxCase{"sich anziehen", 0, 9, "mich"},
        BoxCase{"sich anziehen", 0, 11, "sich"}, BoxCase{"sich anziehen", 0, 13, "an"},
        BoxCase{"sich anziehen", 0, 26, "euch"}, BoxCase{"sich anziehen", 3, 1, "habe"},
        BoxCase{"sich anziehen", 3, 5, "mich"}, BoxCase{"sich anziehen", 3, 9, "angezogen"},
        BoxCase{"sich anziehen", 12, 13, "haben"}, BoxCase{"sich anziehen", 14, 33, "zieh dich an"},
        BoxCase{"sich anziehen", 14, 34, "zieht euch an"},
        BoxCase{"sich anziehen", 14, 36, "sich an"}, BoxCase{"sich merken", 0, 9, "mir"},
        BoxCase{"sich merken", 0, 13, ""}, BoxCase{"sich merken", 3, 6, "dir"},
        BoxCase{"sich merken", 14, 33, "merk dir"}, BoxCase{"sich merken", 14, 36, "sich"},
        // "d": the first word stays apart in every tense.
        BoxCase{"Rad fahren", 0, 6, "fährst"}, BoxCase{"Rad fahren", 0, 13, "Rad"},
        BoxCase{"Rad fahren", 3, 1, "bin"}, BoxCase{"Rad fahren", 3, 5, "Rad"},
        BoxCase{"Rad fahren", 3, 9, "gefahren"}, BoxCase{"Rad fahren", 5, 13, "sein"},
        BoxCase{"Rad fahren", 14, 33, "fahr Rad"}, BoxCase{"Rad fahren", 14, 36, "Rad"},
        // Modal and impersonal verbs have no imperative; today's spelling; the
        // dictionary's gaps filled.
        BoxCase{"können", 14, 33, ""}, BoxCase{"können", 3, 9, "gekonnt"},
        BoxCase{"gelingen", 14, 33, ""}, BoxCase{"gelingen", 14, 35, ""},
        BoxCase{"leidtun", 14, 33, ""}, BoxCase{"leidtun", 0, 6, "tust"},
        // An impersonal verb keeps only the er/sie/es and sie rows.
        BoxCase{"gelingen", 0, 8, "gelingt"}, BoxCase{"gelingen", 0, 24, "gelingen"},
        BoxCase{"gelingen", 0, 5, ""}, BoxCase{"gelingen", 0, 7, ""},
        BoxCase{"gelingen", 3, 20, "sind"}, BoxCase{"gelingen", 3, 9, ""},
        // One said only with "es" keeps the er/sie/es row alone.
        BoxCase{"regnen", 0, 8, "regnet"}, BoxCase{"regnen", 0, 24, ""},
        BoxCase{"regnen", 3, 12, "geregnet"}, BoxCase{"regnen", 3, 20, ""},
        // A reflexive verb's words stay apart from the verb.
        BoxCase{"sich Sorgen machen", 0, 9, "mir"}, BoxCase{"sich Sorgen machen", 0, 13, "Sorgen"},
        BoxCase{"sich Sorgen machen", 3, 9, "Sorgen gemacht"},
        BoxCase{"sich Sorgen machen", 14, 33, "mach dir Sorgen"},
        BoxCase{"sich Sorgen machen", 14, 36, "sich Sorgen"},
        // A verb the dictionary lacks, given whole by its table line.
        BoxCase{"frühstücken", 1, 6, "frühstücktest"}, BoxCase{"frühstücken", 3, 9, "gefrühstückt"},
        BoxCase{"frühstücken", 14, 33, "frühstück"}, BoxCase{"müssen", 0, 5, "muss"},
        BoxCase{"müssen", 1, 6, "musstest"}, BoxCase{"müssen", 7, 6, "müsstest"},
        BoxCase{"müssen", 3, 9, "gemusst"},
        // The regular fixes and the overrides, inherited by the prefixed verb.
        BoxCase{"lesen", 1, 6, "lasest"}, BoxCase{"lesen", 14, 33, "lies"},
        BoxCase{"arbeiten", 14, 33, "arbeite"}, BoxCase{"bereiten", 1, 5, "bereitete"},
        BoxCase{"vorbereiten", 1, 5, "bereitete"}, BoxCase{"vorbereiten", 1, 13, "vor"},
        BoxCase{"vorbereiten", 3, 9, "vorbereitet"}, BoxCase{"kennen", 7, 5, "kennte"},
        BoxCase{"übersetzen", 0, 5, "übersetze"}, BoxCase{"übersetzen", 3, 9, "übersetzt"}));

TEST_F(MiniFile, HeadersCarryCodesAndCaptions)
{
    const qsizetype gehen = recordOf("gehen");
    ASSERT_GE(gehen, 0);
    EXPECT_EQ(file->header(gehen).categoryCode, 'n');
    EXPECT_EQ(file->header(gehen).typeCode, 's');
    EXPECT_EQ(file->header(gehen).variantsCode, '1');
    const qsizetype anziehen = recordOf("sich anziehen");
    EXPECT_EQ(data::payloadText(file->recordLine(anziehen, 27)), "zog sich an, hat sich angezogen");
    EXPECT_EQ(data::payloadText(file->recordLine(anziehen, 28)), "to get dressed");
    const qsizetype rad = recordOf("Rad fahren");
    EXPECT_EQ(file->header(rad).principalParts, "fuhr Rad, ist Rad gefahren");
    EXPECT_EQ(file->header(recordOf("können")).type, data::VerbType::Modal);
    // The variants digit counts the participle and its alternatives.
    EXPECT_EQ(file->header(recordOf("zusenden")).variants, 2);
    // Line 0's label marks the verbs without an imperative, and only them.
    for (const char *verb : {"gehen", "gelingen", "leidtun"})
        EXPECT_EQ(std::pair(file->header(recordOf(verb)).impersonal,
                            file->header(recordOf(verb)).noImperative),
                  std::pair(verb == std::string("gelingen"), verb == std::string("leidtun")))
            << verb;
}

// Caption line 1 is the whole Präteritum and Perfekt, however long.
struct CaptionCase {
    const char *past, *auxiliary, *repeated, *participle;
    bool reflexive;
    const char *expected;
};

class PrincipalParts : public testing::TestWithParam<CaptionCase> {};

TEST_P(PrincipalParts, KeepEveryWord)
{
    const CaptionCase &c = GetParam();
    EXPECT_EQ(principalParts(QString::fromUtf8(c.past), c.auxiliary, QString::fromUtf8(c.repeated),
                             QString::fromUtf8(c.participle), c.reflexive),
              QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Whole, PrincipalParts,
    testing::Values(
        CaptionCase{"zog an", "hat", "sich", "angezogen", true, "zog sich an, hat sich angezogen"},
        CaptionCase{"putzte die Zähne", "hat", "sich", "die Zähne geputzt", true,
                    "putzte sich die Zähne, hat sich die Zähne geputzt"},
        CaptionCase{"arbeitete zusammen", "hat", "", "zusammengearbeitet", false,
                    "arbeitete zusammen, hat zusammengearbeitet"},
        CaptionCase{"fuhr Rad", "ist", "Rad", "gefahren", false, "fuhr Rad, ist Rad gefahren"},
        CaptionCase{"ging", "ist", "", "gegangen", false, "ging, ist gegangen"}));

TEST_F(MiniFile, EveryLineHasItsThirtyCharacterLabel)
{
    EXPECT_TRUE(file->lineCountIsWholeRecords());
    for (qsizetype line = 0; line < file->lineCount(); ++line) {
        const QString text = data::decodeWindows1252(file->line(line));
        ASSERT_GE(text.size(), 30) << "line " << line;
        EXPECT_FALSE(text.left(30).trimmed().isEmpty()) << "line " << line;
    }
    // Lines an "n" record never reads say so.
    const qsizetype gehen = recordOf("gehen");
    EXPECT_TRUE(data::decodeWindows1252(file->recordLine(gehen, 300)).startsWith("- not read"));
}

// ---------------------------------------------------------------------------
// The alternatives: each variant's forms in exactly the boxes that show them,
// read back with the trainer's reader.

struct AlternativeCase {
    const char *verb;
    int tense;
    int box;
    QStringList expected;
};

class MiniAlternatives : public testing::TestWithParam<AlternativeCase> {};

TEST_P(MiniAlternatives, StandWhereTheLayoutPutsTheirForms)
{
    static const auto reading = data::Alternatives::fromText(minifile::alternativesBytes());
    ASSERT_FALSE(reading.fault) << reading.fault->text().toStdString();
    const AlternativeCase &c = GetParam();
    EXPECT_EQ(reading.alternatives.of(QString::fromUtf8(c.verb), c.tense, c.box), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, MiniAlternatives,
    testing::Values(
        // The second participle in every tense that shows the participle, with the prefix fused.
        AlternativeCase{"senden", 3, 9, {"gesandt"}},
        AlternativeCase{"senden", 13, 28, {"gesandt"}},
        AlternativeCase{"zusenden", 9, 26, {"zugesandt"}},
        AlternativeCase{"senden", 2, 9, {}}, // the Futur I shows the infinitive
        // A reviewed Präteritum, inherited by the verb built on it; its prefix apart.
        AlternativeCase{"senden", 1, 6, {"sandtest"}},
        AlternativeCase{"zusenden", 1, 22, {"sandtet"}}, AlternativeCase{"zusenden", 1, 13, {}},
        AlternativeCase{"senden", 7, 5, {}},
        // The Konjunktiv II in both Sie rows.
        AlternativeCase{"aufstehen", 7, 5, {"stände"}},
        AlternativeCase{"aufstehen", 7, 23, {"ständen"}},
        // The du imperative with its optional -e, never with a required one or none.
        AlternativeCase{"gehen", 14, 33, {"gehe"}},
        AlternativeCase{"aufstehen", 14, 33, {"stehe auf"}},
        AlternativeCase{"Rad fahren", 14, 33, {"fahre Rad"}},
        AlternativeCase{"sich Sorgen machen", 14, 33, {"mache dir Sorgen"}},
        AlternativeCase{"arbeiten", 14, 33, {}}, AlternativeCase{"lesen", 14, 33, {}},
        AlternativeCase{"gelingen", 14, 33, {}},
        // The other reflexive case where it differs, with every other form too.
        AlternativeCase{"sich anziehen", 0, 9, {"mir"}},
        AlternativeCase{"sich anziehen", 3, 6, {"dir"}},
        AlternativeCase{"sich anziehen", 0, 26, {}},
        AlternativeCase{
            "sich anziehen", 14, 33, {"ziehe dich an", "zieh dir an", "ziehe dir an"}}));

struct ReviewedFault {
    const char *name;
    const char *list;
    const char *expected;
};

class ReviewedListFaults : public testing::TestWithParam<ReviewedFault> {};

TEST_P(ReviewedListFaults, StopTheGenerator)
{
    QFile json(minifile::fixturePath("mini-verbs.json"));
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    const auto dictionary = FormDictionary::fromJson(json.readAll());
    const auto table = parseVerbTable(minifile::tableText(), "mini.tsv");
    try {
        const auto reviewed = ReviewedAlternatives::parse(GetParam().list, "alternatives.tsv");
        buildRecords(table, dictionary, SpellingReplacements(), reviewed);
        FAIL() << "built with a faulty list";
    } catch (const TableError &error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().expected), std::string::npos)
            << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReviewedListFaults,
    testing::Values(
        ReviewedFault{"UnknownKey", "gehen\tPERF=gegangen\tr", "1: unknown key"},
        ReviewedFault{"FiveForms", "gehen\tPAST=a b c d e\tr", "PAST needs six forms"},
        ReviewedFault{"NoReason", "gehen\tPAST=ginge\t", "expected \"verb<TAB>"},
        ReviewedFault{"NotReflexive", "gehen\tREFL=dat\tr", "REFL names a case"},
        ReviewedFault{"OwnCase", "sich merken\tREFL=dat\tr", "REFL names a case"},
        ReviewedFault{"NoSuchVerb", "laufen\tIMP=lauf -\tr", "no verb \"laufen\" in the table"},
        ReviewedFault{"TheBoardsForms", "gehen\tPAST=ging gingst ging gingen gingt gingen\tr",
                      "line 1 adds no form"},
        ReviewedFault{"ParticipleTwice", "senden\tPART=gesandt\tr", "already a participle"}),
    [](const testing::TestParamInfo<ReviewedFault> &info) { return std::string(info.param.name); });

TEST_F(MiniFile, ListsTheVerbsInGermanOrder)
{
    QStringList names;
    for (qsizetype r = 0; r < file->recordCount(); ++r)
        names << data::answerTextOfPayload(file->header(r).name);
    EXPECT_EQ(names,
              (QStringList{
                  "sich anziehen", "arbeiten",           "aufstehen",  "bereiten",    "frühstücken",
                  "gehen",         "gelingen",           "kennen",     "können",      "leidtun",
                  "lesen",         "sich merken",        "müssen",     "Rad fahren",  "regnen",
                  "senden",        "sich Sorgen machen", "übersetzen", "vorbereiten", "waschen",
                  "zusenden"}));
}

TEST(Sorting, IgnoresSichAndFoldsUmlauts)
{
    QList<RecordText> records;
    for (const char *name : {"Zug fahren", "sich ärgern", "üben", "ziehen", "anziehen",
                             "sich anziehen", "backen", "Rad fahren", "übersetzen", "ändern"}) {
        RecordText record;
        record.listed = QString::fromUtf8(name);
        records << record;
    }
    sortRecords(records);
    QStringList names;
    for (const RecordText &record : records)
        names << record.listed;
    EXPECT_EQ(names, (QStringList{"ändern", "anziehen", "sich anziehen", "sich ärgern", "backen",
                                  "Rad fahren", "üben", "übersetzen", "ziehen", "Zug fahren"}));
}

TEST(Generator, ReportsEveryVerbItCannotBuild)
{
    QFile json(minifile::fixturePath("mini-verbs.json"));
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    const auto dictionary = FormDictionary::fromJson(json.readAll());
    const auto table = parseVerbTable("hängen\tn\thaben\t-\t-\ts\tto hang\t-\t-\n"
                                      "schwimmen\tn\tsein\t-\t-\ts\tto swim\t-\t-\n"
                                      "gehen\tn\tsein\t-\t-\ts\tto go\t-\t-\n"
                                      "gehen\tn\tsein\t-\t-\ts\tto go\t-\t-\n",
                                      "t.tsv");
    try {
        buildRecords(table, dictionary, SpellingReplacements());
        FAIL() << "built a table with faults";
    } catch (const TableError &error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("line 1 (hängen): the dictionary gives the participles"),
                  std::string::npos)
            << message;
        EXPECT_NE(message.find("line 2 (schwimmen): \"schwimmen\" is not in the verb dictionary; "
                               "give its forms"),
                  std::string::npos)
            << message;
        EXPECT_NE(message.find("line 4 (gehen): listed twice"), std::string::npos) << message;
    }
}

TEST(RecordWriter, RefusesTextOutsideWindows1252)
{
    RecordText record;
    record.listed = QStringLiteral("łapać");
    EXPECT_THROW(verbFileBytes({record}), EncodingError);
    record.listed = QStringLiteral("gehen");
    const QByteArray bytes = verbFileBytes({record});
    EXPECT_EQ(bytes.count("\r\n"), 395);
}

} // namespace
