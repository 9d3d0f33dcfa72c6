// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Shrink.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Steps = std::vector<int>;

// A failure that needs 3, then 7, then 9, in this order.
bool needsThreeSevenNine(const Steps &steps)
{
    auto at = std::find(steps.begin(), steps.end(), 3);
    at = std::find(at, steps.end(), 7);
    return std::find(at, steps.end(), 9) != steps.end();
}

Steps upTo(int n)
{
    Steps steps;
    for (int i = 0; i < n; ++i)
        steps.push_back(i % 20);
    return steps;
}

TEST(ShrinkFailure, FindsTheOneStepThatFails)
{
    Steps steps = upTo(1000);
    steps.back() = 42;
    const auto fails = [](const Steps &s) { return std::count(s.begin(), s.end(), 42) > 0; };
    EXPECT_EQ(stress::shrinkFailure<int>(steps, fails, 500), Steps{42});
}

TEST(ShrinkFailure, KeepsEveryStepTheFailureNeedsInOrder)
{
    Steps steps = upTo(997);
    steps.push_back(9);
    EXPECT_EQ(stress::shrinkFailure<int>(steps, needsThreeSevenNine, 1000), (Steps{3, 7, 9}));
}

TEST(ShrinkFailure, ResultIsOneMinimal)
{
    // Fails while the sum of the kept steps is at least 50: no single step of
    // the result may be left out.
    const auto fails = [](const Steps &s) {
        int sum = 0;
        for (int step : s)
            sum += step;
        return sum >= 50;
    };
    const Steps shrunk = stress::shrinkFailure<int>(upTo(300), fails, 2000);
    ASSERT_TRUE(fails(shrunk));
    for (size_t i = 0; i < shrunk.size(); ++i) {
        Steps without = shrunk;
        without.erase(without.begin() + std::ptrdiff_t(i));
        EXPECT_FALSE(fails(without)) << "step " << i << " can go";
    }
}

TEST(ShrinkFailure, StopsAtItsReplayBudgetWithAFailingSequence)
{
    int replays = 0;
    const auto fails = [&replays](const Steps &s) {
        ++replays;
        return needsThreeSevenNine(s);
    };
    Steps steps = upTo(2000);
    steps.push_back(9);
    const Steps shrunk = stress::shrinkFailure<int>(steps, fails, 10);
    EXPECT_LE(replays, 10);
    EXPECT_TRUE(needsThreeSevenNine(shrunk));
    EXPECT_LE(shrunk.size(), steps.size());
}

} // namespace
