// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/OfficeFrameRules.h"

#include <gtest/gtest.h>

namespace {

using widgets::ButtonFrame;
using widgets::OfficeFrameStyles;
using S = widgets::OfficeBorderStyle;

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
    EXPECT_EQ(widgets::chooseTextControlFrame(Distinct, c.flat, c.focused, c.pointerInside),
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
    EXPECT_EQ(widgets::chooseButtonFrame(Distinct, c.flat, c.focused, c.pointerInside, c.down),
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

} // namespace
