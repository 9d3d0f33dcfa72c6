// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>

namespace practice {

// Draws for Show Random; tests put in their own to fix the draws.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A position from 0 to count - 1, each equally likely; count >= 1.
    virtual int draw(int count) = 0;
    // Starts the draws afresh from `seed`; a source whose draws are fixed keeps them.
    virtual void reseed(std::uint32_t) {}
};

class SeededRandomSource : public RandomSource {
public:
    explicit SeededRandomSource(std::uint32_t seed = 0) : m_engine(seed) {}
    void reseed(std::uint32_t seed) override { m_engine.seed(seed); }
    int draw(int count) override;

private:
    std::mt19937 m_engine;
};

// The time of day in milliseconds (UTC), the seed taken at start-up.
std::uint32_t timeOfDaySeed();

} // namespace practice
