// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the arithmetic of extended.cpp and the functions of extended_functions.cpp share: the
// one rounding of an exact result to the 80-bit format.
#pragma once

#include "extended.h"
#include "uint128.h"

#include <cstdint>

namespace korvane::extended_internal {

constexpr int32_t Bias = 16383;
constexpr int32_t MaxBiased = 0x7fff;

/// The exact value significand x 2^(exponent - 127), plus a little more when `sticky`, rounded
/// once to the nearest extended number (ties to even), to a subnormal or 0 below the normal
/// range and to infinity above it. The significand's top bit is set unless it is 0.
Extended roundToExtended(bool negative, int32_t exponent, U128 significand, bool sticky);

/// A finite non-zero x as significand x 2^(exponent - 63) with the significand's top bit set;
/// false for 0, infinities and NaN.
bool finiteParts(Extended x, bool &negative, int32_t &exponent, uint64_t &significand);

} // namespace korvane::extended_internal
