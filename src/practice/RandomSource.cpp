// SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/RandomSource.h"

#include <QDateTime>

namespace practice {

int SeededRandomSource::draw(int count)
{
    return std::uniform_int_distribution<int>(0, count - 1)(m_engine);
}

std::uint32_t timeOfDaySeed()
{
    return static_cast<std::uint32_t>(
        QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

} // namespace practice
