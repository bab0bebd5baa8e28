// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "extended.h"

#include "extended_internal.h"

#include <cstring>
#include <limits>

namespace korvane {

static_assert(std::numeric_limits<double>::is_iec559 && sizeof(double) == 8,
              "doubles are IEEE binary64: Extended converts to and from their bits");

using namespace extended_internal;

namespace {

constexpr uint64_t IntegerBit = uint64_t(1) << 63;
constexpr uint64_t IndefiniteMantissa = uint64_t(3) << 62;

enum class Kind { Zero, Finite, Infinite, NaN };

Kind kindOf(uint16_t signAndExponent, uint64_t mantissa)
{
    const int biased = signAndExponent & 0x7fff;
    if (biased == MaxBiased)
        return mantissa == IntegerBit ? Kind::Infinite : Kind::NaN;
    if (biased == 0)
        return mantissa == 0 ? Kind::Zero : Kind::Finite;
    // An exponent without the integer bit (an "unnormal") is an invalid operand to the x87.
    return (mantissa & IntegerBit) != 0 ? Kind::Finite : Kind::NaN;
}

// A finite, non-zero number as significand x 2^(exponent - 63), the significand's top bit set.
struct Unpacked {
    bool negative;
    int32_t exponent;
    uint64_t significand;
};

Unpacked unpack(uint16_t signAndExponent, uint64_t mantissa)
{
    Unpacked u {(signAndExponent & 0x8000) != 0, (signAndExponent & 0x7fff) - Bias, mantissa};
    if ((signAndExponent & 0x7fff) == 0) {
        // Subnormal: the exponent of the smallest normal, the mantissa shifted up to its top.
        u.exponent = 1 - Bias;
        const int shift = leadingZeros(mantissa);
        u.significand <<= shift;
        u.exponent -= shift;
    }
    return u;
}

uint16_t signWord(bool negative)
{
    return negative ? 0x8000 : 0;
}

} // namespace

Extended::Extended(int32_t value)
{
    if (value == 0)
        return;
    const bool negative = value < 0;
    uint64_t magnitude = negative ? uint64_t(0) - uint64_t(int64_t(value)) : uint64_t(value);
    const int shift = leadingZeros(magnitude);
    m_mantissa = magnitude << shift;
    m_signAndExponent = uint16_t(signWord(negative) | (Bias + 63 - shift));
}

Extended::Extended(double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const bool negative = (bits >> 63) != 0;
    const int biased = int((bits >> 52) & 0x7ff);
    const uint64_t fraction = bits & ((uint64_t(1) << 52) - 1);
    if (biased == 0x7ff) {
        // Infinity keeps its sign; a NaN keeps its payload as the x87's load does.
        m_signAndExponent = uint16_t(signWord(negative) | MaxBiased);
        m_mantissa = IntegerBit | (fraction << 11);
        if (fraction != 0)
            m_mantissa |= uint64_t(1) << 62;
        return;
    }
    if (biased == 0 && fraction == 0) {
        m_signAndExponent = signWord(negative);
        return;
    }
    int exponent = biased == 0 ? 1 - 1023 : biased - 1023;
    uint64_t significand = (biased == 0 ? 0 : IntegerBit) | (fraction << 11);
    const int shift = leadingZeros(significand);
    significand <<= shift;
    exponent -= shift;
    m_signAndExponent = uint16_t(signWord(negative) | (exponent + Bias));
    m_mantissa = significand;
}

Extended Extended::infinity()
{
    return Extended(MaxBiased, IntegerBit);
}

Extended Extended::invalid()
{
    return Extended(0x8000 | MaxBiased, IndefiniteMantissa);
}

bool Extended::isNan() const
{
    return kindOf(m_signAndExponent, m_mantissa) == Kind::NaN;
}

bool Extended::isInfinite() const
{
    return kindOf(m_signAndExponent, m_mantissa) == Kind::Infinite;
}

bool Extended::isZero() const
{
    return kindOf(m_signAndExponent, m_mantissa) == Kind::Zero;
}

Extended extended_internal::roundToExtended(bool negative, int32_t exponent, U128 significand,
                                            bool sticky)
{
    const uint16_t sign = signWord(negative);
    if (significand.isZero())
        return Extended::fromBits(sign, 0);
    int32_t biased = exponent + Bias;
    if (biased < 1) {
        // Below the normal range: as many bits as the subnormals have at the smallest exponent.
        significand = significand.shiftedRight(1 - int64_t(biased), sticky);
        biased = 0;
    }
    uint64_t mantissa = significand.hi;
    const bool roundBit = (significand.lo >> 63) != 0;
    const bool below = (significand.lo << 1) != 0 || sticky;
    if (roundBit && (below || (mantissa & 1) != 0)) {
        ++mantissa;
        if (mantissa == 0) {
            mantissa = IntegerBit;
            ++biased;
        }
    }
    if (biased == 0 && (mantissa & IntegerBit) != 0)
        biased = 1; // a subnormal rounded up to the smallest normal
    if (biased >= MaxBiased)
        return Extended::fromBits(uint16_t(sign | MaxBiased), IntegerBit);
    return Extended::fromBits(uint16_t(sign | biased), mantissa);
}

bool extended_internal::finiteParts(Extended x, bool &negative, int32_t &exponent,
                                    uint64_t &significand)
{
    if (kindOf(x.signAndExponent(), x.mantissa()) != Kind::Finite)
        return false;
    const Unpacked u = unpack(x.signAndExponent(), x.mantissa());
    negative = u.negative;
    exponent = u.exponent;
    significand = u.significand;
    return true;
}

double Extended::toDouble() const
{
    const Kind kind = kindOf(m_signAndExponent, m_mantissa);
    const uint64_t sign = uint64_t(signBit()) << 63;
    uint64_t bits = sign;
    if (kind == Kind::Infinite) {
        bits |= uint64_t(0x7ff) << 52;
    } else if (kind == Kind::NaN) {
        bits |= (uint64_t(0x7ff) << 52) | (uint64_t(1) << 51) | ((m_mantissa << 1) >> 12);
    } else if (kind == Kind::Finite) {
        const Unpacked u = unpack(m_signAndExponent, m_mantissa);
        // 53 bits of significand at the normal exponents, fewer below them.
        int shift = 11;
        int32_t biased = u.exponent + 1023;
        if (biased < 1) {
            shift += 1 - biased;
            biased = 0;
        }
        U128 wide {u.significand, 0};
        bool sticky = false;
        wide = wide.shiftedRight(shift, sticky);
        uint64_t kept = wide.hi;
        const bool roundBit = (wide.lo >> 63) != 0;
        const bool below = (wide.lo << 1) != 0 || sticky;
        if (roundBit && (below || (kept & 1) != 0))
            ++kept;
        const uint64_t hidden = uint64_t(1) << 52;
        if (biased == 0 && (kept & hidden) != 0)
            biased = 1; // rounded up to the smallest normal
        if (kept == hidden << 1) {
            kept = hidden;
            ++biased;
        }
        if (biased >= 0x7ff)
            bits |= uint64_t(0x7ff) << 52;
        else
            bits |= (uint64_t(biased) << 52) | (kept & (hidden - 1));
    }
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

namespace {

// The result of an operation on a NaN: the NaN itself, made quiet, as the x87 gives it.
Extended quieted(Extended nan)
{
    return Extended::fromBits(nan.signAndExponent(), nan.mantissa() | (uint64_t(3) << 62));
}

// Of two NaN operands the x87 passes on the one with the larger mantissa.
Extended propagatedNan(Extended a, Extended b)
{
    if (!a.isNan())
        return quieted(b);
    if (!b.isNan())
        return quieted(a);
    const uint64_t ma = a.mantissa() | (uint64_t(1) << 62);
    const uint64_t mb = b.mantissa() | (uint64_t(1) << 62);
    if (ma != mb)
        return quieted(ma > mb ? a : b);
    return quieted(a.signBit() ? b : a);
}

} // namespace

Extended operator+(Extended a, Extended b)
{
    const Kind ka = kindOf(a.m_signAndExponent, a.m_mantissa);
    const Kind kb = kindOf(b.m_signAndExponent, b.m_mantissa);
    if (ka == Kind::NaN || kb == Kind::NaN)
        return propagatedNan(a, b);
    if (ka == Kind::Infinite && kb == Kind::Infinite)
        return a.signBit() == b.signBit() ? a : Extended::invalid();
    if (ka == Kind::Infinite)
        return a;
    if (kb == Kind::Infinite)
        return b;
    if (ka == Kind::Zero && kb == Kind::Zero)
        return Extended::fromBits(signWord(a.signBit() && b.signBit()), 0);
    if (ka == Kind::Zero)
        return b;
    if (kb == Kind::Zero)
        return a;

    Unpacked x = unpack(a.m_signAndExponent, a.m_mantissa);
    Unpacked y = unpack(b.m_signAndExponent, b.m_mantissa);
    if (y.exponent > x.exponent || (y.exponent == x.exponent && y.significand > x.significand))
        std::swap(x, y);
    // Both significands one bit below the top of 128, so that a sum cannot carry out.
    const U128 larger = U128 {x.significand, 0}.shiftedRight(1);
    bool sticky = false;
    const U128 smaller =
        U128 {y.significand, 0}.shiftedRight(1 + int64_t(x.exponent) - y.exponent, sticky);
    U128 sum;
    if (x.negative == y.negative) {
        sum = larger + smaller;
    } else {
        sum = larger - smaller;
        if (sticky)
            sum = sum - U128 {0, 1}; // the bits shifted out are subtracted too
        if (sum.isZero() && !sticky)
            return Extended(); // exact cancellation is +0 when rounding to nearest
    }
    const int shift = sum.leadingZeros();
    return extended_internal::roundToExtended(x.negative, x.exponent + 1 - shift,
                                              sum.shiftedLeft(shift), sticky);
}

Extended operator*(Extended a, Extended b)
{
    const Kind ka = kindOf(a.m_signAndExponent, a.m_mantissa);
    const Kind kb = kindOf(b.m_signAndExponent, b.m_mantissa);
    const bool negative = a.signBit() != b.signBit();
    if (ka == Kind::NaN || kb == Kind::NaN)
        return propagatedNan(a, b);
    if ((ka == Kind::Infinite && kb == Kind::Zero) || (ka == Kind::Zero && kb == Kind::Infinite))
        return Extended::invalid();
    if (ka == Kind::Infinite || kb == Kind::Infinite)
        return Extended::fromBits(uint16_t(signWord(negative) | MaxBiased), IntegerBit);
    if (ka == Kind::Zero || kb == Kind::Zero)
        return Extended::fromBits(signWord(negative), 0);

    const Unpacked x = unpack(a.m_signAndExponent, a.m_mantissa);
    const Unpacked y = unpack(b.m_signAndExponent, b.m_mantissa);
    const U128 product = multiply(x.significand, y.significand);
    const int shift = product.leadingZeros(); // 0 or 1
    return extended_internal::roundToExtended(negative, x.exponent + y.exponent + 1 - shift,
                                              product.shiftedLeft(shift), false);
}

Extended operator/(Extended a, Extended b)
{
    const Kind ka = kindOf(a.m_signAndExponent, a.m_mantissa);
    const Kind kb = kindOf(b.m_signAndExponent, b.m_mantissa);
    const bool negative = a.signBit() != b.signBit();
    if (ka == Kind::NaN || kb == Kind::NaN)
        return propagatedNan(a, b);
    if ((ka == Kind::Infinite && kb == Kind::Infinite) || (ka == Kind::Zero && kb == Kind::Zero))
        return Extended::invalid();
    if (ka == Kind::Infinite || kb == Kind::Zero)
        return Extended::fromBits(uint16_t(signWord(negative) | MaxBiased), IntegerBit);
    if (ka == Kind::Zero || kb == Kind::Infinite)
        return Extended::fromBits(signWord(negative), 0);

    const Unpacked x = unpack(a.m_signAndExponent, a.m_mantissa);
    const Unpacked y = unpack(b.m_signAndExponent, b.m_mantissa);
    // 128 bits of x.significand / y.significand, the binary point after the top bit: 64 of
    // x.significand 2^63 / y.significand, then 64 more from the remainder.
    uint64_t remainder = 0;
    const uint64_t upper =
        divide(U128 {x.significand >> 1, x.significand << 63}, y.significand, remainder);
    const uint64_t lower = divide(U128 {remainder, 0}, y.significand, remainder);
    const U128 quotient {upper, lower};
    const int shift = quotient.leadingZeros(); // 0 or 1
    return extended_internal::roundToExtended(negative, x.exponent - y.exponent - shift,
                                              quotient.shiftedLeft(shift), remainder != 0);
}

bool operator==(Extended a, Extended b)
{
    if (a.isNan() || b.isNan())
        return false;
    if (a.isZero() && b.isZero())
        return true;
    return a.identical(b);
}

bool operator<(Extended a, Extended b)
{
    if (a.isNan() || b.isNan() || (a.isZero() && b.isZero()))
        return false;
    if (a.signBit() != b.signBit())
        return a.signBit();
    // Same sign: the encoding orders the magnitudes.
    const bool smallerMagnitude = (a.m_signAndExponent & 0x7fff) != (b.m_signAndExponent & 0x7fff)
        ? (a.m_signAndExponent & 0x7fff) < (b.m_signAndExponent & 0x7fff)
        : a.m_mantissa < b.m_mantissa;
    if (a.identical(b))
        return false;
    return a.signBit() ? !smallerMagnitude : smallerMagnitude;
}

} // namespace korvane
