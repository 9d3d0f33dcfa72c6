// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The alternatives file as the trainer reads it: sound lines answer by verb,
// tense and box; a damaged file is ignored whole, with its line and fault.
#include "data/Alternatives.h"
#include "data/RecordLayout.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A sound file's look-up.
struct SoundCase {
    const char *name;
    QByteArray text;
    const char *verb;
    int tense, box;
    QStringList forms;
};

// A damaged file: its line and part of the fault's text.
struct DamageCase {
    const char *name;
    QByteArray text;
    int line;
    const char *problem;
};

template <typename Case> std::string caseName(const testing::TestParamInfo<Case> &info)
{
    return info.param.name;
}

class SoundAlternatives : public testing::TestWithParam<SoundCase> {};

TEST_P(SoundAlternatives, AnswerByVerbTenseAndBox)
{
    const SoundCase &c = GetParam();
    const auto reading = data::Alternatives::fromText(c.text);
    ASSERT_FALSE(reading.fault) << reading.fault->text().toStdString();
    EXPECT_EQ(reading.alternatives.of(QString::fromUtf8(c.verb), c.tense, c.box), c.forms);
}

const QByteArray Perfekt = "senden | Indikativ Perfekt | ich 3 | gesandt\n";

INSTANTIATE_TEST_SUITE_P(
    Lines, SoundAlternatives,
    testing::Values(
        SoundCase{"Participle", Perfekt, "senden", 3, 9, {"gesandt"}},
        SoundCase{"OtherBoxesHaveNone", Perfekt, "senden", 3, 10, {}},
        SoundCase{"OtherVerbsHaveNone", Perfekt, "wenden", 3, 9, {}},
        SoundCase{"SieIsTheLeftSieRow",
                  "stehen | Konjunktiv II Präteritum | Sie 2 | ständen",
                  "stehen",
                  7,
                  7,
                  {"ständen"}},
        SoundCase{"SieIsTheRightSieRowToo",
                  "stehen | Konjunktiv II Präteritum | Sie 2 | ständen",
                  "stehen",
                  7,
                  23,
                  {"ständen"}},
        SoundCase{"ImperativeRow",
                  "aufstehen | Imperativ | du 1 | stehe auf",
                  "aufstehen",
                  14,
                  33,
                  {"stehe auf"}},
        SoundCase{"CommentsBlankLinesAndCrLf",
                  "# backen\r\n\r\n  # indented\r\nbacken | Indikativ Präteritum | ich 2 | buk, "
                  "backte\r\n",
                  "backen",
                  1,
                  5,
                  {"buk", "backte"}},
        SoundCase{"ByteOrderMarkAndCr",
                  "\xEF\xBB\xBF# x\rwenden | Indikativ Präteritum | wir 2 | wandten\r",
                  "wenden",
                  1,
                  21,
                  {"wandten"}},
        SoundCase{"BlanksAroundAndDecomposedUmlaut",
                  "  helfen |Konjunktiv II Präteritum|ich 2|  ha\xCC\x88lfe  \n",
                  " helfen",
                  7,
                  5,
                  {"hälfe"}},
        SoundCase{"RepeatedLinesMerge",
                  Perfekt + "senden | Indikativ Perfekt | ich 3 | gesandt, gesendet\n",
                  "senden",
                  3,
                  9,
                  {"gesandt", "gesendet"}}),
    caseName<SoundCase>);

class DamagedAlternatives : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedAlternatives, AreIgnoredWholeWithTheirLineAndFault)
{
    const DamageCase &c = GetParam();
    const auto reading = data::Alternatives::fromText(Perfekt + c.text);
    ASSERT_TRUE(reading.fault);
    EXPECT_EQ(reading.fault->line, c.line + 1);
    EXPECT_TRUE(reading.fault->text().contains(QString::fromUtf8(c.problem)))
        << reading.fault->text().toStdString();
    EXPECT_TRUE(reading.alternatives.isEmpty()); // the sound first line is not used either
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DamagedAlternatives,
    testing::Values(
        DamageCase{"Latin1Byte", "helfen | Konjunktiv II Präteritum | ich 2 | h\xE4lfe\n", 1,
                   "line 2: not UTF-8"},
        DamageCase{"Utf16", QByteArray("s\0e\0n\0", 6), 1, "control character (0x00)"},
        DamageCase{"ThreeFields", "senden | Indikativ Perfekt | gesandt", 1,
                   "expected four fields"},
        DamageCase{"FiveFields", "senden | Indikativ Perfekt | ich 3 | gesandt | x", 1,
                   "expected four fields"},
        DamageCase{"NoVerb", " | Indikativ Perfekt | ich 3 | gesandt", 1, "no verb"},
        DamageCase{"UnknownTense", "\n\nsenden | Perfekt | ich 3 | gesandt", 3,
                   "unknown tense \"Perfekt\""},
        DamageCase{"NoSuchColumn", "senden | Indikativ Perfekt | ich 5 | gesandt", 1,
                   "\"ich 5\" is no box"},
        DamageCase{"ColumnTheTenseNeverShows", "senden | Indikativ Präsens | ich 1 | sende", 1,
                   "\"ich 1\" is no box of Indikativ Präsens"},
        DamageCase{"UnknownPerson", "senden | Indikativ Perfekt | Ich 3 | gesandt", 1, "is no box"},
        DamageCase{"GridNameInTheImperative", "gehen | Imperativ | ich 1 | gehe", 1,
                   "is no box of Imperativ"},
        DamageCase{"EmptyForm", "senden | Indikativ Perfekt | ich 3 | gesandt, ", 1,
                   "an empty form"}),
    caseName<DamageCase>);

// What the generator writes, the reader finds: every box a tense block fills, by its name.
TEST(AlternativesBoxNames, NameEveryBoxATenseShows)
{
    for (auto category : {data::Category::Reflexive, data::Category::Separable,
                          data::Category::Normal, data::Category::TwoWord}) {
        for (int tense = 0; tense < data::TenseCount; ++tense) {
            const data::TenseBlock block = data::tenseBlock(category, tense);
            for (int j = 0; j < block.answerCount; ++j) {
                const QString name = data::alternativesBoxName(tense, block.boxes[j]);
                const auto named = data::boxesNamed(tense, name);
                EXPECT_NE(std::find(named.begin(), named.end(), block.boxes[j]), named.end())
                    << tense << " " << name.toStdString();
            }
        }
    }
    EXPECT_EQ(data::alternativesBoxName(3, 19), "Sie 1");
    EXPECT_EQ(data::alternativesBoxName(14, 36), "Sie 4");
}

TEST(AlternativesFile, MissingOrAFolderMeansNoAlternatives)
{
    QTemporaryDir dir;
    const QString path = data::Alternatives::pathBeside(dir.filePath("Verb12Data.txt"));
    EXPECT_EQ(path, dir.filePath("Verb12Alternatives.txt"));
    for (bool folder : {false, true}) {
        if (folder) {
            ASSERT_TRUE(QDir(dir.path()).mkdir("Verb12Alternatives.txt"));
        }
        const auto reading = data::Alternatives::read(path);
        EXPECT_FALSE(reading.fault);
        EXPECT_TRUE(reading.alternatives.isEmpty());
    }
}

} // namespace
