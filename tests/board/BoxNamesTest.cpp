// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/BoxNames.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

using data::Category;

struct NamedBox {
    std::optional<Category> category;
    int tense;
    int box;
    const char *name;
};

class BoxName : public testing::TestWithParam<NamedBox> {};

TEST_P(BoxName, SaysPersonAndPlace)
{
    const NamedBox &row = GetParam();
    EXPECT_EQ(board::boxAccessibleName(row.category, row.tense, row.box).toStdString(), row.name);
}

INSTANTIATE_TEST_SUITE_P(
    ByCategoryAndTense, BoxName,
    testing::Values(NamedBox{Category::Separable, 0, 6, "du, verb"},
                    NamedBox{Category::Separable, 0, 14, "du, separable prefix"},
                    NamedBox{Category::Separable, 3, 2, "du, auxiliary"},
                    NamedBox{Category::Separable, 3, 10, "du, participle"},
                    NamedBox{Category::Normal, 2, 26, "ihr, infinitive"},
                    NamedBox{Category::Normal, 11, 11, "Sie (singular), infinitive"},
                    NamedBox{Category::Reflexive, 1, 11, "Sie (singular), reflexive pronoun"},
                    NamedBox{Category::Reflexive, 4, 24, "sie, reflexive pronoun"},
                    NamedBox{Category::TwoWord, 9, 22, "ihr, first word"},
                    NamedBox{Category::TwoWord, 0, 32, "sie, first word"},
                    NamedBox{Category::Normal, 5, 31, "Sie (plural), haben or sein"},
                    NamedBox{Category::Normal, 13, 12, "er/sie/es, participle"},
                    NamedBox{Category::Normal, 14, 35, "Sie, imperative"},
                    NamedBox{Category::Separable, 14, 35, "Sie, imperative verb"},
                    NamedBox{Category::Separable, 14, 36, "Sie, imperative separable prefix"},
                    NamedBox{Category::Reflexive, 14, 33, "du, imperative"},
                    // Nothing to show: the place is the column.
                    NamedBox{std::nullopt, 0, 6, "du, column 2"},
                    NamedBox{Category::Normal, -1, 17, "wir, column 1"}));

// Every box a layout fills is named from the layout, and no two boxes of a
// board share a name, for every category and tense.
TEST(BoxNames, EveryFilledBoxHasItsOwnLayoutName)
{
    for (Category category :
         {Category::Reflexive, Category::Separable, Category::Normal, Category::TwoWord}) {
        for (int tense = 0; tense < data::TenseCount; ++tense) {
            const data::TenseBlock block = data::tenseBlock(category, tense);
            QSet<QString> names;
            for (int j = 0; j < block.answerCount; ++j) {
                const QString name = board::boxAccessibleName(category, tense, block.boxes[j]);
                EXPECT_FALSE(name.contains(u"column") || name.contains(u"box"))
                    << name.toStdString() << " tense " << tense;
                names.insert(name);
            }
            EXPECT_EQ(names.size(), block.answerCount) << "tense " << tense;
        }
    }
}

TEST(BoardAnnouncement, SaysVerbTenseAndCaptionsAsSentences)
{
    const QString verb = QStringLiteral(" abbauen");
    EXPECT_EQ(board::boardAnnouncement(
                  verb, QStringLiteral(" present"),
                  {QStringLiteral("baute ab, hat abgebaut "), QStringLiteral("to dismantle.")}),
              QStringLiteral("abbauen, present. baute ab, hat abgebaut. to dismantle."));
    EXPECT_EQ(board::boardAnnouncement(verb, QStringLiteral(" (imperative mood)."),
                                       {QStringLiteral(" "), QStringLiteral("to dismantle")}),
              QStringLiteral("abbauen, (imperative mood). to dismantle"));
}

} // namespace
