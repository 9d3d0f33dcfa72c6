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

struct RanksCase {
    const char *name;
    const char *path; // a file of `text` at this name in a fresh folder; nullptr: parsed
    QByteArray text;
    VerbRanks::Status status;
    QStringList order;   // most frequent first
    const char *levels;  // of the verb list's verbs, in its order
    const char *damage;  // part of what damage() says
    QStringList skipped; // named, but not in the verb list
};

void PrintTo(const RanksCase &c, std::ostream *os)
{
    *os << c.name;
}

QString levelsOf(const VerbRanks &ranks)
{
    QStringList levels;
    for (qsizetype verb = 0; verb < VerbList.size(); ++verb)
        levels << QStringList{"-", "A1", "A2", "B1"}[int(ranks.level(verb))];
    return levels.join(' ');
}

class VerbRanksRead : public testing::TestWithParam<RanksCase> {};

TEST_P(VerbRanksRead, GiveOrderLevelsAndWhatIsWrong)
{
    const RanksCase &c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    VerbRanks ranks;
    if (c.path) {
        const QString path = dir.filePath(QString::fromUtf8(c.path));
        if (c.text == "<folder>") {
            ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromUtf8(c.path)));
        } else if (!c.text.isEmpty()) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.text);
        }
        ranks = VerbRanks::read(VerbRanks::pathBeside(dir.filePath("Verb12Data.txt")), VerbList);
    } else {
        ranks = VerbRanks::parse(c.text, VerbList);
    }
    EXPECT_EQ(ranks.status(), c.status);
    QStringList order;
    for (const qsizetype verb : ranks.order())
        order << VerbList.value(verb);
    EXPECT_EQ(order, c.order);
    EXPECT_EQ(levelsOf(ranks), c.levels);
    EXPECT_TRUE(ranks.damage().contains(QString::fromUtf8(c.damage)))
        << ranks.damage().toStdString();
    EXPECT_EQ(c.damage[0] == '\0', ranks.damage().isEmpty());
    EXPECT_EQ(ranks.skipped(), c.skipped);
}

const QStringList FileOrder = VerbList;
const QStringList Ranked = {"sich freuen", "arbeiten", "Rad fahren", "gehen"};
using Status = VerbRanks::Status;

const RanksCase cases[] = {
    {"RanksAndLevels",
     nullptr,
     "# c\nA1\tsich freuen\n-\tarbeiten\nA2\tRad fahren\nA1\tgehen\n",
     Status::Read,
     Ranked,
     "A1 A1 A2 -",
     "",
     {}},
    {"BomCrLfBlankLinesAndBlanksAroundTheVerb",
     nullptr,
     "\xEF\xBB\xBF# c\r\n\r\nB1\t gehen \r\n",
     Status::Read,
     FileOrder,
     "B1 - - -",
     "",
     {}},
    {"UnrankedVerbsFollowInFileOrder",
     nullptr,
     "A2\tarbeiten\n",
     Status::Read,
     {"arbeiten", "gehen", "sich freuen", "Rad fahren"},
     "- - - A2",
     "",
     {}},
    {"VerbThatLeftTheFileIsSkipped",
     nullptr,
     "A1\tlaufen\nA1\tgehen",
     Status::Read,
     FileOrder,
     "A1 - - -",
     "",
     {"laufen"}},
    {"NoTab",
     nullptr,
     "A1 gehen\n",
     Status::Damaged,
     FileOrder,
     "- - - -",
     "line 1: no tab between level and verb",
     {}},
    {"UnknownLevel",
     nullptr,
     "# c\na1\tgehen\n",
     Status::Damaged,
     FileOrder,
     "- - - -",
     "line 2: unknown level \"a1\"",
     {}},
    {"RankedTwice",
     nullptr,
     "A1\tgehen\nA1\tarbeiten\nA2\tgehen\n",
     Status::Damaged,
     FileOrder,
     "- - - -",
     "line 3: \"gehen\" is ranked twice (first on line 1)",
     {}},
    {"NotUtf8",
     nullptr,
     "B1\tarbeiten\nA1\tg\xE4hen\n",
     Status::Damaged,
     FileOrder,
     "- - - -",
     "line 2: not UTF-8",
     {}},
    {"NoVerb",
     nullptr,
     "A1\t \n",
     Status::Damaged,
     FileOrder,
     "- - - -",
     "line 1: no verb after the level",
     {}},
    {"Missing", "Verb12Ranks.txt", "", Status::Missing, FileOrder, "- - - -", "", {}},
    {"BesideTheVerbFile",
     "Verb12Ranks.txt",
     "A2\tRad fahren\n",
     Status::Read,
     {"Rad fahren", "gehen", "sich freuen", "arbeiten"},
     "- - A2 -",
     "",
     {}},
    {"AFolder",
     "Verb12Ranks.txt",
     "<folder>",
     Status::Damaged,
     FileOrder,
     "- - - -",
     "not a file",
     {}},
    {"TooLarge",
     "Verb12Ranks.txt",
     QByteArray(VerbRanks::MaxBytes + 1, '#'),
     Status::Damaged,
     FileOrder,
     "- - - -",
     "larger than 4 MB",
     {}},
};

INSTANTIATE_TEST_SUITE_P(Files, VerbRanksRead, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<RanksCase> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
