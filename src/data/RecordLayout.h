// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>

namespace data {

constexpr int TenseCount = 15;
constexpr int BoxCount = 36;

// Where entry box `box` (1 to BoxCount) stands. Each block of the grid has
// four columns of four person rows, numbered down the columns: box
// 4 * (column - 1) + row on the left, 16 more on the right. The imperative row
// below them holds the last four boxes as its columns 1 to 4.
struct GridPlace {
    enum Block { Left, Right, Imperative };
    Block block;
    int column; // 1 to 4
    int row;    // 1 to 4 in a block, 1 in the imperative row
};
GridPlace gridPlace(int box);

// The category letter of record line 0 chooses how the tense blocks are laid out.
enum class Category { Reflexive, Separable, Normal, TwoWord };
std::optional<Category> categoryFromCode(char code); // 'r', 's', 'n', 'd'; exact

enum class TenseGroup { Simple, Compound, FuturePerfect, Imperative };
TenseGroup tenseGroup(int tense);

// Where one tense block lies in a record and which box each answer line fills.
struct TenseBlock {
    int firstLine = 0;           // record line of caption line 1
    int answerCount = 0;         // answer lines after the two caption lines
    std::array<int, 32> boxes{}; // answer line j fills box boxes[j] (1 to 36)

    int captionLine1() const { return firstLine; }
    int captionLine2() const { return firstLine + 1; }
    int answerLine(int j) const { return firstLine + 2 + j; }
    int lastLine() const { return firstLine + 1 + answerCount; }
};

// Derived from the category's column sets; tense 0 to 14 (any other tense
// gives an empty block: no lines, no boxes).
TenseBlock tenseBlock(Category category, int tense);

} // namespace data
