// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The random source that drop injection draws from: uniform integers in 0..n-1. The program
// seeds it from the clock; tests give it a fixed seed or script its values.
#pragma once

#include <cstdint>
#include <random>

namespace korvane {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    /// A uniformly distributed integer in 0..n-1; n is at least 1.
    virtual int32_t R(int32_t n) = 0;
};

/// A Mersenne twister with a given seed, so that a run can be replayed.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(uint64_t seed);
    int32_t R(int32_t n) override;

private:
    std::mt19937_64 m_engine;
};

/// A seed that differs from run to run, taken from the clock.
uint64_t clockSeed();

} // namespace korvane
