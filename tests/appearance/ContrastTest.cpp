// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appearance/Contrast.h"

#include <gtest/gtest.h>

namespace {

using appearance::contrastRatio;
using appearance::readableOn;

const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);
const QColor Green(179, 227, 166);  // the panel behind Test Answers and Show All
const QColor Beige(234, 224, 185);  // the panel behind Show Correct and Show Random
const QColor Orange(249, 185, 157); // a wrong answer
const QColor DarkFace(53, 53, 53);  // a dark desktop's button face
const QColor Red(191, 14, 4);       // the revealed type

struct RatioCase {
    const char *name;
    QColor a, b;
    double expected;
};

class ContrastRatio : public testing::TestWithParam<RatioCase> {};

TEST_P(ContrastRatio, MatchesTheWcagFigures)
{
    const RatioCase &c = GetParam();
    EXPECT_NEAR(contrastRatio(c.a, c.b), c.expected, 0.005);
    EXPECT_NEAR(contrastRatio(c.b, c.a), c.expected, 0.005);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, ContrastRatio,
    testing::Values(RatioCase{"blackOnWhite", Black, White, 21.0},
                    RatioCase{"same", Orange, Orange, 1.0},
                    // grey 119 is the well-known one just short of 4.5:1
                    RatioCase{"grey119OnWhite", QColor(119, 119, 119), White, 4.48},
                    // dark channels lie on the linear part of the sRGB curve
                    RatioCase{"nearBlackOnBlack", QColor(10, 10, 10), Black, 1.06},
                    RatioCase{"pureGreenOnBlack", QColor(0, 255, 0), Black, 15.30},
                    RatioCase{"pureBlueOnBlack", QColor(0, 0, 255), Black, 2.44},
                    RatioCase{"whiteOnGreen", White, Green, 1.45},
                    RatioCase{"whiteOnBeige", White, Beige, 1.32},
                    RatioCase{"whiteOnOrange", White, Orange, 1.69}),
    [](const auto &info) { return std::string(info.param.name); });

struct ReadableCase {
    const char *name;
    QColor background, preferred;
    QColor expected; // invalid: a tint of `preferred`
};

class ReadableOn : public testing::TestWithParam<ReadableCase> {};

TEST_P(ReadableOn, KeepsWhatIsReadableAndMendsTheRest)
{
    const ReadableCase &c = GetParam();
    const QColor chosen = readableOn(c.background, c.preferred);
    EXPECT_GE(contrastRatio(chosen, c.background), 4.5);
    if (c.expected.isValid()) {
        EXPECT_EQ(chosen, c.expected);
        return;
    }
    EXPECT_NE(chosen, Black);
    EXPECT_NE(chosen, White);
    EXPECT_NEAR(chosen.hsvHue(), c.preferred.hsvHue(), 12);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, ReadableOn,
    testing::Values(ReadableCase{"blackOnGreenStays", Green, Black, Black},
                    ReadableCase{"redOnWhiteStays", White, Red, Red},
                    ReadableCase{"whiteOnGreenTurnsBlack", Green, White, Black},
                    ReadableCase{"whiteOnOrangeTurnsBlack", Orange, White, Black},
                    ReadableCase{"blackOnDarkFaceTurnsWhite", DarkFace, Black, White},
                    ReadableCase{"redOnDarkFaceLightens", DarkFace, Red, QColor()},
                    ReadableCase{"blueOnLightFaceDarkens", QColor(239, 239, 239),
                                 QColor(48, 140, 198), QColor()}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
