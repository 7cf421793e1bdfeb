// SPDX-FileCopyrightText: 2026 Tallyfox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Uniform random values in [0, 1) for the question draws, behind an
// interface so that tests can script the draws.
#pragma once

#include <cstdint>
#include <random>

class RandomSource
{
public:
    virtual ~RandomSource() = default;

    /// The next value, uniform in [0, 1) and never 1.
    virtual double next() = 0;
};

/// The program's generator: 64-bit Mersenne Twister, 53 random bits a value.
class DefaultRandomSource final : public RandomSource
{
public:
    explicit DefaultRandomSource(std::uint64_t seed);

    /// Seeded from the current time of day, as the program does once at start-up.
    static std::uint64_t timeOfDaySeed();

    /// The largest value next() can return: 1 - 2^-53.
    static constexpr double largestValue = 1.0 - 0x1.0p-53;

    double next() override;

private:
    std::mt19937_64 m_engine;
};
