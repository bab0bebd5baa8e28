// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random_source.h"

#include <chrono>

namespace korvane {

SeededRandom::SeededRandom(uint64_t seed) : m_engine(seed) { }

int32_t SeededRandom::R(int32_t n)
{
    std::uniform_int_distribution<int32_t> uniform(0, n - 1);
    return uniform(m_engine);
}

uint64_t clockSeed()
{
    return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

} // namespace korvane
