// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/RecordLayout.h"

#include <algorithm>
#include <vector>

namespace data {

namespace {

constexpr int CaptionLines = 2;
constexpr int RowsPerColumn = 4;
constexpr int BoxesPerBlock = 16;

// The grid columns (1 to 4) a category's tense block fills in one tense group.
std::vector<int> columnSet(Category category, TenseGroup group)
{
    switch (category) {
    case Category::Reflexive:
        switch (group) {
        case TenseGroup::Simple:
            return {2, 3, 4};
        case TenseGroup::Compound:
            return {1, 2, 3};
        default:
            return {1, 2, 3, 4};
        }
    case Category::Separable:
        switch (group) {
        case TenseGroup::Simple:
            return {2, 4};
        case TenseGroup::Compound:
            return {1, 3};
        default:
            return {1, 3, 4};
        }
    case Category::Normal:
        switch (group) {
        case TenseGroup::Simple:
            return {2};
        case TenseGroup::Compound:
            return {1, 3};
        default:
            return {1, 3, 4};
        }
    case Category::TwoWord:
        switch (group) {
        case TenseGroup::Simple:
            return {2, 4};
        case TenseGroup::Compound:
            return {1, 2, 3};
        default:
            return {1, 2, 3, 4};
        }
    }
    return {};
}

// "n" verbs have no box beside the second "Sie" in the imperative row.
int imperativeBoxCount(Category category)
{
    return category == Category::Normal ? 3 : 4;
}

TenseBlock blockShape(Category category, int tense)
{
    // Box numbers run block by block, column by column, row by row: the order
    // the answer lines come in.
    TenseBlock block;
    const TenseGroup group = tenseGroup(tense);
    const std::vector<int> columns = columnSet(category, group);
    for (int box = 1; box <= BoxCount; ++box) {
        const GridPlace place = gridPlace(box);
        const bool filled =
            group == TenseGroup::Imperative
                ? place.block == GridPlace::Imperative &&
                      place.column <= imperativeBoxCount(category)
                : place.block != GridPlace::Imperative &&
                      std::find(columns.begin(), columns.end(), place.column) != columns.end();
        if (filled)
            block.boxes[block.answerCount++] = box;
    }
    return block;
}

// Blocks lie back to back from record line 1 on, in tense order.
std::array<TenseBlock, TenseCount> recordBlocks(Category category)
{
    std::array<TenseBlock, TenseCount> blocks;
    int nextLine = 1;
    for (int tense = 0; tense < TenseCount; ++tense) {
        blocks[tense] = blockShape(category, tense);
        blocks[tense].firstLine = nextLine;
        nextLine += CaptionLines + blocks[tense].answerCount;
    }
    return blocks;
}

} // namespace

GridPlace gridPlace(int box)
{
    const int inGrid = box - 1;
    if (inGrid >= 2 * BoxesPerBlock)
        return {GridPlace::Imperative, inGrid - 2 * BoxesPerBlock + 1, 1};
    const int inBlock = inGrid % BoxesPerBlock;
    return {inGrid < BoxesPerBlock ? GridPlace::Left : GridPlace::Right,
            inBlock / RowsPerColumn + 1, inBlock % RowsPerColumn + 1};
}

std::optional<Category> categoryFromCode(char code)
{
    switch (code) {
    case 'r':
        return Category::Reflexive;
    case 's':
        return Category::Separable;
    case 'n':
        return Category::Normal;
    case 'd':
        return Category::TwoWord;
    default:
        return std::nullopt;
    }
}

TenseGroup tenseGroup(int tense)
{
    switch (tense) {
    case 2:
    case 3:
    case 4:
    case 8:
    case 9:
    case 10:
    case 11:
        return TenseGroup::Compound;
    case 5:
    case 12:
    case 13:
        return TenseGroup::FuturePerfect;
    case 14:
        return TenseGroup::Imperative;
    default:
        return TenseGroup::Simple;
    }
}

TenseBlock tenseBlock(Category category, int tense)
{
    static const std::array<std::array<TenseBlock, TenseCount>, 4> layouts = {
        recordBlocks(Category::Reflexive), recordBlocks(Category::Separable),
        recordBlocks(Category::Normal), recordBlocks(Category::TwoWord)};
    if (tense < 0 || tense >= TenseCount)
        return {};
    return layouts[static_cast<int>(category)][tense];
}

} // namespace data
