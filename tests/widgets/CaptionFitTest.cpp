// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/CaptionFit.h"

#include <gtest/gtest.h>

namespace {

using widgets::CaptionFit;

struct FitCase {
    const char *name;
    int design, room, widthPerPixel;
    CaptionFit expected;
};

class FitCaption : public testing::TestWithParam<FitCase> {};

TEST_P(FitCaption, LargestSizeThatFitsDownToTwelve)
{
    const FitCase &c = GetParam();
    const auto widthAt = [&c](int pixels) { return pixels * c.widthPerPixel; };
    EXPECT_EQ(widgets::fitCaption(c.design, 12, c.room, widthAt), c.expected);
}

// A caption `widthPerPixel` times as wide as its lettering is high.
INSTANTIATE_TEST_SUITE_P(
    Captions, FitCaption,
    testing::Values(FitCase{"fitsAsDesigned", 21, 405, 19, {21, false, false}},
                    FitCase{"fillsTheRoomExactly", 21, 420, 20, {21, false, false}},
                    FitCase{"oneSizeSmaller", 21, 400, 20, {20, true, false}},
                    FitCase{"shrinksToTheLargestThatFits", 21, 405, 30, {13, true, false}},
                    FitCase{"fitsJustAtTheSmallest", 21, 408, 34, {12, true, false}},
                    FitCase{"tooWideEvenAtTheSmallest", 21, 405, 40, {12, true, true}},
                    FitCase{"smallDesignIsNeverEnlarged", 10, 100, 20, {10, false, true}},
                    FitCase{"noRoomAtAll", 21, 0, 1, {12, true, true}}),
    [](const auto &info) { return std::string(info.param.name); });

// Hinting can make a smaller size wider; the fit takes the largest size that
// fits, not the first size below one that fits.
TEST(FitCaption, TriesEverySizeDownwards)
{
    const auto widthAt = [](int pixels) { return pixels == 16 ? 300 : pixels * 25; };
    EXPECT_EQ(widgets::fitCaption(21, 12, 400, widthAt), (CaptionFit{16, true, false}));
}

} // namespace
