// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random_source.h"

#include "uint128.h"

#include <chrono>

namespace korvane {

SeededRandom::SeededRandom(uint64_t seed) : m_engine(seed) { }

int32_t SeededRandom::R(int32_t n)
{
    // Multiply and reject (D. Lemire, "Fast random integer generation in an interval", 2019):
    // the top half of the 128-bit product of a 64-bit draw and n, drawing again in the rare case
    // that the bottom half shows the draw to fall in the uneven remainder. GCC's standard library
    // maps a 64-bit engine's draws to an interval this way; written out here, the same seed
    // sprays the same drops with every standard library and on every processor.
    const auto range = static_cast<uint64_t>(n);
    U128 product = multiply(m_engine(), range);
    if (product.lo < range) {
        const uint64_t threshold = (uint64_t(0) - range) % range;
        while (product.lo < threshold)
            product = multiply(m_engine(), range);
    }
    return static_cast<int32_t>(product.hi);
}

uint64_t clockSeed()
{
    return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

} // namespace korvane
