// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/RecordLayout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using data::Category;
using data::TenseGroup;

namespace {

TEST(CategoryCode, OnlyTheFourLowerCaseLetters)
{
    EXPECT_EQ(data::categoryFromCode('r'), Category::Reflexive);
    EXPECT_EQ(data::categoryFromCode('s'), Category::Separable);
    EXPECT_EQ(data::categoryFromCode('n'), Category::Normal);
    EXPECT_EQ(data::categoryFromCode('d'), Category::TwoWord);
    for (char other : {'R', 'S', 'N', 'D', '\0', ' ', 'w', '1'})
        EXPECT_FALSE(data::categoryFromCode(other).has_value()) << int(other);
}

TEST(TenseGroups, FollowTheTenseList)
{
    const TenseGroup expected[data::TenseCount] = {
        TenseGroup::Simple,        TenseGroup::Simple,        TenseGroup::Compound,
        TenseGroup::Compound,      TenseGroup::Compound,      TenseGroup::FuturePerfect,
        TenseGroup::Simple,        TenseGroup::Simple,        TenseGroup::Compound,
        TenseGroup::Compound,      TenseGroup::Compound,      TenseGroup::Compound,
        TenseGroup::FuturePerfect, TenseGroup::FuturePerfect, TenseGroup::Imperative};
    for (int tense = 0; tense < data::TenseCount; ++tense)
        EXPECT_EQ(data::tenseGroup(tense), expected[tense]) << tense;
}

// First and last record line of every tense block, as the data file's authors
// know the record.
struct BlockSpan {
    int first;
    int last;
};

struct CategorySpans {
    const char *name;
    Category category;
    std::vector<BlockSpan> spans; // by tense
};

class BlockLines : public testing::TestWithParam<CategorySpans> {};

TEST_P(BlockLines, MatchTheRecordTable)
{
    const CategorySpans &c = GetParam();
    ASSERT_EQ(c.spans.size(), size_t(data::TenseCount));
    for (int tense = 0; tense < data::TenseCount; ++tense) {
        const data::TenseBlock block = data::tenseBlock(c.category, tense);
        EXPECT_EQ(block.firstLine, c.spans[tense].first) << "tense " << tense;
        EXPECT_EQ(block.lastLine(), c.spans[tense].last) << "tense " << tense;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    AllCategories, BlockLines,
    testing::Values(
        CategorySpans{"r", Category::Reflexive,
                      {{1, 26}, {27, 52}, {53, 78}, {79, 104}, {105, 130}, {131, 164}, {165, 190},
                       {191, 216}, {217, 242}, {243, 268}, {269, 294}, {295, 320}, {321, 354},
                       {355, 388}, {389, 394}}},
        CategorySpans{"s", Category::Separable,
                      {{1, 18}, {19, 36}, {37, 54}, {55, 72}, {73, 90}, {91, 116}, {117, 134},
                       {135, 152}, {153, 170}, {171, 188}, {189, 206}, {207, 224}, {225, 250},
                       {251, 276}, {277, 282}}},
        CategorySpans{"n", Category::Normal,
                      {{1, 10}, {11, 20}, {21, 38}, {39, 56}, {57, 74}, {75, 100}, {101, 110},
                       {111, 120}, {121, 138}, {139, 156}, {157, 174}, {175, 192}, {193, 218},
                       {219, 244}, {245, 249}}},
        CategorySpans{"d", Category::TwoWord,
                      {{1, 18}, {19, 36}, {37, 62}, {63, 88}, {89, 114}, {115, 148}, {149, 166},
                       {167, 184}, {185, 210}, {211, 236}, {237, 262}, {263, 288}, {289, 322},
                       {323, 356}, {357, 362}}}),
    [](const testing::TestParamInfo<CategorySpans> &info) { return std::string(info.param.name); });
// clang-format on

// The boxes a column set fills: left block then right block, columns ascending,
// rows 1 to 4 within each column.
std::vector<int> boxesOfColumns(std::vector<int> columns)
{
    std::vector<int> boxes;
    for (int offset : {0, 16})
        for (int column : columns)
            for (int row = 1; row <= 4; ++row)
                boxes.push_back(offset + 4 * (column - 1) + row);
    return boxes;
}

std::vector<int> blockBoxes(const data::TenseBlock &block)
{
    return std::vector<int>(block.boxes.begin(), block.boxes.begin() + block.answerCount);
}

struct ColumnCase {
    const char *name;
    Category category;
    std::vector<int> simple, compound, futurePerfect, imperative;
};

class BlockBoxes : public testing::TestWithParam<ColumnCase> {};

TEST_P(BlockBoxes, FollowTheColumnSetOfEachTenseGroup)
{
    const ColumnCase &c = GetParam();
    for (int tense = 0; tense < data::TenseCount; ++tense) {
        const data::TenseBlock block = data::tenseBlock(c.category, tense);
        std::vector<int> expected;
        switch (data::tenseGroup(tense)) {
        case TenseGroup::Simple:
            expected = boxesOfColumns(c.simple);
            break;
        case TenseGroup::Compound:
            expected = boxesOfColumns(c.compound);
            break;
        case TenseGroup::FuturePerfect:
            expected = boxesOfColumns(c.futurePerfect);
            break;
        case TenseGroup::Imperative:
            expected = c.imperative;
            break;
        }
        EXPECT_EQ(blockBoxes(block), expected) << "tense " << tense;
        // Unused array entries stay zero, so nobody mistakes them for boxes.
        for (size_t j = block.answerCount; j < block.boxes.size(); ++j)
            ASSERT_EQ(block.boxes[j], 0) << "tense " << tense;
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllCategories, BlockBoxes,
    testing::Values(
        ColumnCase{"r", Category::Reflexive, {2, 3, 4}, {1, 2, 3}, {1, 2, 3, 4}, {33, 34, 35, 36}},
        ColumnCase{"s", Category::Separable, {2, 4}, {1, 3}, {1, 3, 4}, {33, 34, 35, 36}},
        ColumnCase{"n", Category::Normal, {2}, {1, 3}, {1, 3, 4}, {33, 34, 35}},
        ColumnCase{"d", Category::TwoWord, {2, 4}, {1, 2, 3}, {1, 2, 3, 4}, {33, 34, 35, 36}}),
    [](const testing::TestParamInfo<ColumnCase> &info) { return std::string(info.param.name); });

TEST(WorkedExample, SeparableTenseThree)
{
    const data::TenseBlock block = data::tenseBlock(Category::Separable, 3);
    EXPECT_EQ(block.captionLine1(), 55);
    EXPECT_EQ(block.captionLine2(), 56);
    ASSERT_EQ(block.answerCount, 16);
    const int expectedBoxes[16] = {1, 2, 3, 4, 9, 10, 11, 12, 17, 18, 19, 20, 25, 26, 27, 28};
    for (int j = 0; j < 16; ++j) {
        EXPECT_EQ(block.answerLine(j), 57 + j);
        EXPECT_EQ(block.boxes[j], expectedBoxes[j]) << "line " << 57 + j;
    }
    EXPECT_EQ(block.lastLine(), 72);
}

TEST(WorkedExample, ReflexiveTenseZero)
{
    const data::TenseBlock block = data::tenseBlock(Category::Reflexive, 0);
    EXPECT_EQ(block.captionLine1(), 1);
    EXPECT_EQ(block.captionLine2(), 2);
    ASSERT_EQ(block.answerCount, 24);
    for (int j = 0; j < 12; ++j) {
        EXPECT_EQ(block.answerLine(j), 3 + j);
        EXPECT_EQ(block.boxes[j], 5 + j); // lines 3-14: E5-E16
        EXPECT_EQ(block.answerLine(12 + j), 15 + j);
        EXPECT_EQ(block.boxes[12 + j], 21 + j); // lines 15-26: E21-E32
    }
}

TEST(Blocks, ChainWithoutGapsAndNeverRepeatABox)
{
    for (Category category :
         {Category::Reflexive, Category::Separable, Category::Normal, Category::TwoWord}) {
        int nextLine = 1;
        for (int tense = 0; tense < data::TenseCount; ++tense) {
            const data::TenseBlock block = data::tenseBlock(category, tense);
            EXPECT_EQ(block.firstLine, nextLine);
            nextLine = block.lastLine() + 1;
            const std::vector<int> boxes = blockBoxes(block);
            EXPECT_EQ(std::set<int>(boxes.begin(), boxes.end()).size(), boxes.size());
        }
        EXPECT_LE(nextLine, 395);
    }
}

TEST(Blocks, TenseOutsideTheListGivesNoLines)
{
    for (int tense : {-1, 15, 100}) {
        const data::TenseBlock block = data::tenseBlock(Category::Normal, tense);
        EXPECT_EQ(block.answerCount, 0);
        EXPECT_EQ(block.firstLine, 0);
    }
}

} // namespace
