// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A 128-bit unsigned integer in two 64-bit halves, written out rather than taken from the
// compiler (32-bit ARM and other compilers have no 128-bit type), so that every processor
// computes the same: the extended arithmetic and the random draws use it.
#pragma once

#include <cstdint>

// Where the compiler has a 128-bit type (64-bit GCC and Clang, and WebAssembly) it does the
// same work faster; the written-out way, for the others, is checked against it (extended_check is
// also built with KORVANE_PORTABLE_UINT128).
#if defined(__SIZEOF_INT128__) && !defined(KORVANE_PORTABLE_UINT128)
#define KORVANE_NATIVE_UINT128 1
#else
#define KORVANE_NATIVE_UINT128 0
#endif

namespace korvane {

#if KORVANE_NATIVE_UINT128
__extension__ using NativeU128 = unsigned __int128;
#endif

inline int leadingZeros(uint64_t x)
{
#if KORVANE_NATIVE_UINT128
    return x == 0 ? 64 : __builtin_clzll(x);
#else
    int n = 0;
    for (int step = 32; step > 0; step /= 2) {
        if ((x >> (64 - step)) == 0) {
            n += step;
            x <<= step;
        }
    }
    return x == 0 ? 64 : n;
#endif
}

struct U128 {
    uint64_t hi = 0;
    uint64_t lo = 0;

    bool isZero() const { return hi == 0 && lo == 0; }
    int leadingZeros() const
    {
        return hi != 0 ? korvane::leadingZeros(hi) : 64 + korvane::leadingZeros(lo);
    }
    U128 shiftedLeft(int n) const
    {
        if (n == 0)
            return *this;
        if (n >= 128)
            return {};
        if (n >= 64)
            return {lo << (n - 64), 0};
        return {(hi << n) | (lo >> (64 - n)), lo << n};
    }
    /// Shifted right by n bits; `sticky` becomes true if a non-zero bit falls off.
    U128 shiftedRight(int64_t n, bool &sticky) const
    {
        if (n == 0)
            return *this;
        if (n >= 128) {
            sticky = sticky || !isZero();
            return {};
        }
        const int s = int(n);
        if (s >= 64) {
            sticky = sticky || lo != 0 || (s > 64 && (hi << (128 - s)) != 0);
            return {0, s == 64 ? hi : hi >> (s - 64)};
        }
        sticky = sticky || (lo << (64 - s)) != 0;
        return {hi >> s, (lo >> s) | (hi << (64 - s))};
    }
    U128 shiftedRight(int64_t n) const
    {
        bool ignored = false;
        return shiftedRight(n, ignored);
    }
    friend U128 operator+(U128 a, U128 b)
    {
        const uint64_t lo = a.lo + b.lo;
        return {a.hi + b.hi + (lo < a.lo ? 1 : 0), lo};
    }
    friend U128 operator-(U128 a, U128 b)
    {
        return {a.hi - b.hi - (a.lo < b.lo ? 1 : 0), a.lo - b.lo};
    }
};

/// The full product of two 64-bit integers, from 32-bit halves.
inline U128 multiply(uint64_t a, uint64_t b)
{
#if KORVANE_NATIVE_UINT128
    const NativeU128 product = NativeU128(a) * b;
    return {uint64_t(product >> 64), uint64_t(product)};
#else
    const uint64_t aLow = a & 0xffffffff, aHigh = a >> 32;
    const uint64_t bLow = b & 0xffffffff, bHigh = b >> 32;
    const uint64_t low = aLow * bLow;
    const uint64_t middle1 = aHigh * bLow;
    const uint64_t middle2 = aLow * bHigh;
    const uint64_t high = aHigh * bHigh;
    const uint64_t middle = (low >> 32) + (middle1 & 0xffffffff) + (middle2 & 0xffffffff);
    return {high + (middle1 >> 32) + (middle2 >> 32) + (middle >> 32),
            (middle << 32) | (low & 0xffffffff)};
#endif
}

/// The 128-bit numerator divided by the divisor, whose top bit must be set and which must exceed
/// the numerator's upper half, so that the quotient fits 64 bits; the remainder goes to
/// `remainder`. Two steps of long division in 32-bit digits (Knuth's algorithm D, as in Hacker's
/// Delight, divlu).
inline uint64_t divide(U128 numerator, uint64_t divisor, uint64_t &remainder)
{
#if KORVANE_NATIVE_UINT128
    const NativeU128 n = (NativeU128(numerator.hi) << 64) | numerator.lo;
    remainder = uint64_t(n % divisor);
    return uint64_t(n / divisor);
#else
    constexpr uint64_t Digit = uint64_t(1) << 32;
    const uint64_t divisorHigh = divisor >> 32, divisorLow = divisor & 0xffffffff;
    const uint64_t upper = numerator.hi;
    const uint64_t next = numerator.lo >> 32, last = numerator.lo & 0xffffffff;

    uint64_t q1 = upper / divisorHigh;
    uint64_t rest = upper - q1 * divisorHigh;
    while (q1 >= Digit || q1 * divisorLow > Digit * rest + next) {
        --q1;
        rest += divisorHigh;
        if (rest >= Digit)
            break;
    }
    const uint64_t partial = upper * Digit + next - q1 * divisor; // wraps to the true value

    uint64_t q0 = partial / divisorHigh;
    rest = partial - q0 * divisorHigh;
    while (q0 >= Digit || q0 * divisorLow > Digit * rest + last) {
        --q0;
        rest += divisorHigh;
        if (rest >= Digit)
            break;
    }
    remainder = partial * Digit + last - q0 * divisor;
    return q1 * Digit + q0;
#endif
}

} // namespace korvane
