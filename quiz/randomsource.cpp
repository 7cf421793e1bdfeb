// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/randomsource.h"

#include <QTime>

DefaultRandomSource::DefaultRandomSource(std::uint64_t seed) : m_engine(seed) {}

std::uint64_t DefaultRandomSource::timeOfDaySeed()
{
    return static_cast<std::uint64_t>(QTime::currentTime().msecsSinceStartOfDay());
}

double DefaultRandomSource::next()
{
    // The top 53 bits scaled by 2^-53: every value is exact and the largest
    // is 1 - 2^-53. (std::generate_canonical may round up to 1.)
    return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
}
