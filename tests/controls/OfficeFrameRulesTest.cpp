// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/OfficeFrameRules.h"
#include "controls/ButtonContentLayout.h"

#include <gtest/gtest.h>

namespace {

using controls::ButtonFrame;
using controls::OfficeFrameStyles;
using S = controls::OfficeBorderStyle;

// Three distinct styles, so a wrong choice shows.
const OfficeFrameStyles Distinct{S::Bump, S::Single, S::Raised, S::Down};

struct TextFrameCase {
    const char *name;
    bool flat, focused, pointerInside;
    S expected;
};

class TextControlFrame : public testing::TestWithParam<TextFrameCase> {};

TEST_P(TextControlFrame, ChoosesByFlatFocusAndPointer)
{
    const TextFrameCase &c = GetParam();
    EXPECT_EQ(controls::chooseTextControlFrame(Distinct, c.flat, c.focused, c.pointerInside),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    States, TextControlFrame,
    testing::Values(TextFrameCase{"notFlatAtRest", false, false, false, S::Bump},
                    TextFrameCase{"notFlatFocusedAndPointed", false, true, true, S::Bump},
                    TextFrameCase{"flatAtRest", true, false, false, S::Single},
                    TextFrameCase{"flatFocused", true, true, false, S::Raised},
                    TextFrameCase{"flatPointerInside", true, false, true, S::Raised}),
    [](const auto &info) { return std::string(info.param.name); });

struct ButtonFrameCase {
    const char *name;
    bool flat, focused, pointerInside, down;
    ButtonFrame expected;
};

class ButtonFrameChoice : public testing::TestWithParam<ButtonFrameCase> {};

TEST_P(ButtonFrameChoice, FirstMatchingRuleWins)
{
    const ButtonFrameCase &c = GetParam();
    EXPECT_EQ(controls::chooseButtonFrame(Distinct, c.flat, c.focused, c.pointerInside, c.down),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    States, ButtonFrameChoice,
    testing::Values(
        ButtonFrameCase{"downBeatsFocusRing", false, true, false, true, {false, S::Down, 0}},
        ButtonFrameCase{"flatDown", true, true, true, true, {false, S::Down, 0}},
        ButtonFrameCase{
            "focusedRingedWithFocusedStyleInside", false, true, false, false, {true, S::Raised, 1}},
        ButtonFrameCase{"atRest", false, false, true, false, {false, S::Bump, 0}},
        ButtonFrameCase{"flatFocusedPointerInside", true, true, true, false, {true, S::Raised, 1}},
        ButtonFrameCase{"flatFocusedPointerAway", true, true, false, false, {true, S::Single, 1}},
        ButtonFrameCase{"flatPointerInside", true, false, true, false, {false, S::Raised, 0}},
        ButtonFrameCase{"flatAtRest", true, false, false, false, {false, S::Single, 0}}),
    [](const auto &info) { return std::string(info.param.name); });

using controls::ButtonLayout;
using controls::layoutButtonContent;

TEST(ButtonContent, CaptionAloneIsCentred)
{
    const auto content = layoutButtonContent(QRect(0, 0, 100, 20), QSize(), QSize(40, 10),
                                             ButtonLayout::blGlyphLeft, -1, 4);
    EXPECT_EQ(content.caption, QRect(30, 5, 40, 10));
}

TEST(ButtonContent, GlyphAndCaptionCentredTogetherWithSpacing)
{
    // 16 + 4 + 40 = 60 wide, centred in 100: starts at 20.
    const auto left = layoutButtonContent(QRect(0, 0, 100, 20), QSize(16, 16), QSize(40, 10),
                                          ButtonLayout::blGlyphLeft, -1, 4);
    EXPECT_EQ(left.glyph, QRect(20, 2, 16, 16));
    EXPECT_EQ(left.caption, QRect(40, 5, 40, 10));
    const auto right = layoutButtonContent(QRect(0, 0, 100, 20), QSize(16, 16), QSize(40, 10),
                                           ButtonLayout::blGlyphRight, -1, 4);
    EXPECT_EQ(right.glyph.right(), 79);
    EXPECT_EQ(right.caption.right(), 59);
    const auto top = layoutButtonContent(QRect(0, 0, 100, 60), QSize(16, 16), QSize(40, 10),
                                         ButtonLayout::blGlyphTop, 5, 4);
    EXPECT_EQ(top.glyph, QRect(42, 5, 16, 16));
    EXPECT_EQ(top.caption, QRect(30, 25, 40, 10));
}

TEST(ButtonContent, SpacingMinusOneSpreadsEvenly)
{
    // 100 - 16 - 40 = 44 left over: margin and spacing 14 each.
    const auto content = layoutButtonContent(QRect(0, 0, 100, 20), QSize(16, 16), QSize(40, 10),
                                             ButtonLayout::blGlyphLeft, -1, -1);
    EXPECT_EQ(content.glyph.left(), 14);
    EXPECT_EQ(content.caption.left(), 44);
}

} // namespace
