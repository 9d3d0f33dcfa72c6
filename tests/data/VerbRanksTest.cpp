// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The ranks file beside the verb file: frequency order and levels, and the
// verb file's own order, unlevelled, when it is missing or damaged.
#include "data/VerbRanks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using data::VerbRanks;

namespace {

const QStringList VerbList = {"gehen", "sich freuen", "Rad fahren", "arbeiten"};
const char *const Unranked = "gehen - sich freuen - Rad fahren - arbeiten -";

struct RanksCase {
    const char *name;
    QByteArray text;  // of Verb12Ranks.txt beside the verb file; "<none>", "<folder>"
    const char *read; // the order with each verb's level, or what a damaged file says
};

// "Read: gehen A1 arbeiten - ...", "Damaged: ... | line 2: ...", "... | skipped laufen".
std::string described(const VerbRanks &ranks)
{
    QStringList words{QStringList{"Read:", "Missing:", "Damaged:"}[int(ranks.status())]};
    for (const qsizetype verb : ranks.order())
        words << VerbList[verb] << QStringList{"-", "A1", "A2", "B1"}[int(ranks.level(verb))];
    if (!ranks.damage().isEmpty())
        words << "|" << ranks.damage();
    if (!ranks.skipped().isEmpty())
        words << "| skipped" << ranks.skipped();
    return words.join(' ').toStdString();
}

class VerbRanksRead : public testing::TestWithParam<RanksCase> {};

TEST_P(VerbRanksRead, GiveOrderLevelsAndWhatIsWrong)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = VerbRanks::pathBeside(dir.filePath("Verb12Data.txt"));
    QFile file(path);
    if (GetParam().text == "<folder>") {
        ASSERT_TRUE(QDir(dir.path()).mkdir(VerbRanks::FileName));
    } else if (GetParam().text != "<none>") {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(GetParam().text) >= 0);
        file.close();
    }
    // A damaged file gives the verb file's order, unlevelled, and says what is wrong.
    const std::string expected = GetParam().read;
    const bool read = expected.rfind("Read:", 0) == 0 || expected.rfind("Missing:", 0) == 0;
    EXPECT_EQ(described(VerbRanks::read(path, VerbList)),
              read ? expected : std::string("Damaged: ") + Unranked + " | " + expected);
}

const RanksCase cases[] = {
    {"RanksAndLevels", "# c\nA1\tsich freuen\n-\tarbeiten\nA2\tRad fahren\nA1\tgehen\n",
     "Read: sich freuen A1 arbeiten - Rad fahren A2 gehen A1"},
    {"BomCrLfBlankLinesBlanksAroundTheVerb", "\xEF\xBB\xBF# c\r\n\r\nB1\t gehen \r\n",
     "Read: gehen B1 sich freuen - Rad fahren - arbeiten -"},
    {"UnrankedFollowInFileOrder", "A2\tarbeiten\n",
     "Read: arbeiten A2 gehen - sich freuen - Rad fahren -"},
    {"VerbThatLeftTheFileSkipped", "A1\tlaufen\nA1\tgehen",
     "Read: gehen A1 sich freuen - Rad fahren - arbeiten - | skipped laufen"},
    {"Missing", "<none>", "Missing: gehen - sich freuen - Rad fahren - arbeiten -"},
    {"NoTab", "A1 gehen\n", "line 1: no tab between level and verb"},
    {"UnknownLevel", "# c\na1\tgehen\n", "line 2: unknown level \"a1\" (A1, A2, B1 or -)"},
    {"RankedTwice", "A1\tgehen\nA2\tgehen", "line 2: \"gehen\" is ranked twice (first on line 1)"},
    {"NotUtf8", "B1\tarbeiten\nA1\tg\xE4hen\n", "line 2: not UTF-8"},
    {"NoVerb", "A1\t \n", "line 1: no verb after the level"},
    {"AFolder", "<folder>", "not a file"},
    {"TooLarge", QByteArray(VerbRanks::MaxBytes + 1, '#'), "larger than 4 MB"},
};

INSTANTIATE_TEST_SUITE_P(Files, VerbRanksRead, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<RanksCase> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
