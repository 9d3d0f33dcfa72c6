// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lists/WheelNotches.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct WheelCase {
    const char *name;
    std::vector<int> deltas;
    std::vector<int> notches; // completed by each delta in turn
};

void PrintTo(const WheelCase &row, std::ostream *out)
{
    *out << row.name;
}

class WheelNotchesTest : public testing::TestWithParam<WheelCase> {};

TEST_P(WheelNotchesTest, OneNotchPerHundredTwentyEighthsOfADegree)
{
    lists::WheelNotches wheel;
    std::vector<int> notches;
    for (int delta : GetParam().deltas)
        notches.push_back(wheel.add(delta));
    EXPECT_EQ(notches, GetParam().notches);
}

INSTANTIATE_TEST_SUITE_P(
    Turns, WheelNotchesTest,
    testing::Values(
        WheelCase{"OneNotchAway", {120}, {1}}, WheelCase{"OneNotchTowards", {-120}, {-1}},
        WheelCase{"TwoNotchesInOneEvent", {240}, {2}},
        WheelCase{"HalfNotches", {60, 60, 60}, {0, 1, 0}},
        WheelCase{"TouchpadEighths", {15, 15, 15, 15, 15, 15, 15, 15}, {0, 0, 0, 0, 0, 0, 0, 1}},
        WheelCase{"RemainderCarriesOn", {-200, -40}, {-1, -1}},
        WheelCase{"TurningBackDropsThePart", {60, -60, -60}, {0, 0, -1}},
        WheelCase{"HorizontalOnly", {0, 0}, {0, 0}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
