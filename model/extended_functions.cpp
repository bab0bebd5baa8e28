// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// exp, log and the decimal conversions of Extended, each correctly rounded. They are worked out
// exactly, or to a few hundred bits with a bound on the error, in big integers; the result is
// rounded once, and where the bound does not settle the rounding the work is done again at
// twice the precision. None of this runs in the step, which needs only + - * /.

#include "extended.h"

#include "extended_internal.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace korvane {

using namespace extended_internal;

namespace {

/// An unsigned integer of any size, in 32-bit limbs from the least significant.
class BigUnsigned {
public:
    BigUnsigned() = default;
    explicit BigUnsigned(uint64_t value)
    {
        while (value != 0) {
            m_limbs.push_back(uint32_t(value));
            value >>= 32;
        }
    }

    bool isZero() const { return m_limbs.empty(); }

    int64_t bitLength() const
    {
        if (m_limbs.empty())
            return 0;
        return 32 * int64_t(m_limbs.size() - 1) + 64 - leadingZeros(m_limbs.back());
    }

    bool bit(int64_t n) const
    {
        const std::size_t limb = std::size_t(n / 32);
        return limb < m_limbs.size() && ((m_limbs[limb] >> (n % 32)) & 1) != 0;
    }

    /// Whether any of the bits below bit n is set.
    bool anyBelow(int64_t n) const
    {
        for (std::size_t i = 0; i < m_limbs.size() && int64_t(i) * 32 < n; ++i) {
            const int64_t bits = std::min<int64_t>(32, n - int64_t(i) * 32);
            const uint32_t mask = bits == 32 ? 0xffffffffu : (uint32_t(1) << bits) - 1;
            if ((m_limbs[i] & mask) != 0)
                return true;
        }
        return false;
    }

    uint64_t low64() const
    {
        uint64_t value = 0;
        for (std::size_t i = std::min<std::size_t>(2, m_limbs.size()); i-- > 0;)
            value = (value << 32) | m_limbs[i];
        return value;
    }

    void multiplyAdd(uint32_t factor, uint32_t addend = 0)
    {
        uint64_t carry = addend;
        for (uint32_t &limb : m_limbs) {
            const uint64_t product = uint64_t(limb) * factor + carry;
            limb = uint32_t(product);
            carry = product >> 32;
        }
        if (carry != 0)
            m_limbs.push_back(uint32_t(carry));
        trim();
    }

    /// Divides in place by a small divisor.
    void divide(uint32_t divisor)
    {
        uint64_t remainder = 0;
        for (std::size_t i = m_limbs.size(); i-- > 0;) {
            const uint64_t current = (remainder << 32) | m_limbs[i];
            m_limbs[i] = uint32_t(current / divisor);
            remainder = current % divisor;
        }
        trim();
    }

    BigUnsigned shiftedLeft(int64_t n) const
    {
        if (isZero())
            return {};
        BigUnsigned result;
        const std::size_t limbs = std::size_t(n / 32);
        const int bits = int(n % 32);
        result.m_limbs.assign(limbs, 0);
        uint32_t carry = 0;
        for (uint32_t limb : m_limbs) {
            result.m_limbs.push_back(bits == 0 ? limb : (limb << bits) | carry);
            carry = bits == 0 ? 0 : limb >> (32 - bits);
        }
        if (carry != 0)
            result.m_limbs.push_back(carry);
        return result;
    }

    BigUnsigned shiftedRight(int64_t n) const
    {
        const std::size_t limbs = std::size_t(n / 32);
        if (limbs >= m_limbs.size())
            return {};
        const int bits = int(n % 32);
        BigUnsigned result;
        for (std::size_t i = limbs; i < m_limbs.size(); ++i) {
            const uint64_t pair =
                (i + 1 < m_limbs.size() ? uint64_t(m_limbs[i + 1]) << 32 : 0) | m_limbs[i];
            result.m_limbs.push_back(uint32_t(pair >> bits));
        }
        result.trim();
        return result;
    }

    friend int compare(const BigUnsigned &a, const BigUnsigned &b)
    {
        if (a.m_limbs.size() != b.m_limbs.size())
            return a.m_limbs.size() < b.m_limbs.size() ? -1 : 1;
        for (std::size_t i = a.m_limbs.size(); i-- > 0;) {
            if (a.m_limbs[i] != b.m_limbs[i])
                return a.m_limbs[i] < b.m_limbs[i] ? -1 : 1;
        }
        return 0;
    }

    friend BigUnsigned operator+(const BigUnsigned &a, const BigUnsigned &b)
    {
        BigUnsigned result;
        uint64_t carry = 0;
        for (std::size_t i = 0; i < std::max(a.m_limbs.size(), b.m_limbs.size()); ++i) {
            const uint64_t sum = carry + a.limb(i) + b.limb(i);
            result.m_limbs.push_back(uint32_t(sum));
            carry = sum >> 32;
        }
        if (carry != 0)
            result.m_limbs.push_back(uint32_t(carry));
        return result;
    }

    /// a - b, for a >= b.
    friend BigUnsigned operator-(const BigUnsigned &a, const BigUnsigned &b)
    {
        BigUnsigned result;
        int64_t borrow = 0;
        for (std::size_t i = 0; i < a.m_limbs.size(); ++i) {
            int64_t difference = int64_t(a.m_limbs[i]) - b.limb(i) - borrow;
            borrow = difference < 0 ? 1 : 0;
            result.m_limbs.push_back(uint32_t(difference + (borrow << 32)));
        }
        result.trim();
        return result;
    }

    friend BigUnsigned operator*(const BigUnsigned &a, const BigUnsigned &b)
    {
        if (a.isZero() || b.isZero())
            return {};
        BigUnsigned result;
        result.m_limbs.assign(a.m_limbs.size() + b.m_limbs.size(), 0);
        for (std::size_t i = 0; i < a.m_limbs.size(); ++i) {
            uint64_t carry = 0;
            for (std::size_t j = 0; j < b.m_limbs.size(); ++j) {
                const uint64_t product =
                    uint64_t(a.m_limbs[i]) * b.m_limbs[j] + result.m_limbs[i + j] + carry;
                result.m_limbs[i + j] = uint32_t(product);
                carry = product >> 32;
            }
            result.m_limbs[i + b.m_limbs.size()] = uint32_t(carry);
        }
        result.trim();
        return result;
    }

    /// The quotient of a / b (b not 0), and a % b in `remainder`; long division, one quotient
    /// bit at a time.
    friend BigUnsigned divide(const BigUnsigned &a, const BigUnsigned &b, BigUnsigned &remainder)
    {
        remainder = a;
        BigUnsigned quotient;
        for (int64_t n = a.bitLength() - b.bitLength(); n >= 0; --n) {
            const BigUnsigned shifted = b.shiftedLeft(n);
            if (compare(remainder, shifted) >= 0) {
                remainder = remainder - shifted;
                quotient = quotient + BigUnsigned(1).shiftedLeft(n);
            }
        }
        return quotient;
    }

    static BigUnsigned powerOfTen(int64_t n)
    {
        BigUnsigned result(1);
        for (; n >= 9; n -= 9)
            result.multiplyAdd(1000000000);
        for (; n > 0; --n)
            result.multiplyAdd(10);
        return result;
    }

private:
    uint32_t limb(std::size_t i) const { return i < m_limbs.size() ? m_limbs[i] : 0; }
    void trim()
    {
        while (!m_limbs.empty() && m_limbs.back() == 0)
            m_limbs.pop_back();
    }

    std::vector<uint32_t> m_limbs;
};

/// value x 2^scale, plus a little more when `sticky`, rounded once to an extended number.
Extended rounded(bool negative, const BigUnsigned &value, int64_t scale, bool sticky)
{
    if (value.isZero())
        return roundToExtended(negative, 0, {}, sticky);
    const int64_t length = value.bitLength();
    // The top 128 bits, and whether anything is set below them.
    const BigUnsigned top =
        length > 128 ? value.shiftedRight(length - 128) : value.shiftedLeft(128 - length);
    const U128 significand {top.shiftedRight(64).low64(), top.low64()};
    sticky = sticky || (length > 128 && value.anyBelow(length - 128));
    // Far beyond the range either way, the exponent is clamped where it still rounds the same.
    const int64_t exponent = std::clamp<int64_t>(length - 1 + scale, -100000, 100000);
    return roundToExtended(negative, int32_t(exponent), significand, sticky);
}

/// The rounding of an approximation A x 2^scale whose error is below `error` units of its last
/// place, if the error cannot change it.
std::optional<Extended> roundedIfSettled(bool negative, const BigUnsigned &approximation,
                                         int64_t scale, uint32_t error)
{
    const BigUnsigned bound(error);
    if (compare(approximation, bound) <= 0)
        return std::nullopt;
    const Extended low = rounded(negative, approximation - bound, scale, false);
    const Extended high = rounded(negative, approximation + bound, scale, false);
    if (!low.identical(high))
        return std::nullopt;
    return low;
}

/// ln 2 x 2^bits, within one unit: 2 atanh(1/3) = sum of 2 / ((2n + 1) 3^(2n + 1)).
BigUnsigned lnTwo(int64_t bits)
{
    constexpr int Guard = 32;
    BigUnsigned power = BigUnsigned(2).shiftedLeft(bits + Guard); // 2 / 3^(2n + 1), scaled
    power.divide(3);
    BigUnsigned sum;
    for (uint32_t n = 0; !power.isZero(); ++n) {
        BigUnsigned term = power;
        term.divide(2 * n + 1);
        sum = sum + term;
        power.divide(9);
    }
    return sum.shiftedRight(Guard);
}

/// Units of the last place that the series below may be off by: far more than their
/// truncations add up to (under a thousand units even at the highest precision).
constexpr uint32_t ErrorBound = uint32_t(1) << 20;
/// The precisions tried, in fraction bits, until the rounding is settled.
constexpr int64_t Precisions[] = {224, 480, 992, 2016, 4064};

Extended quietNan(Extended x)
{
    return Extended::fromBits(x.signAndExponent(), x.mantissa() | (uint64_t(3) << 62));
}

} // namespace

Extended exp(Extended x)
{
    if (x.isNan())
        return quietNan(x);
    if (x.isInfinite())
        return x.signBit() ? Extended() : x;
    bool negative = false;
    int32_t exponent = 0;
    uint64_t significand = 0;
    if (!finiteParts(x, negative, exponent, significand) || exponent < -70)
        return Extended(1); // e^x for |x| < 2^-70 is nearer to 1 than to its neighbours
    if (exponent >= 15) // |x| >= 32768: far beyond the range either way
        return negative ? Extended() : Extended::infinity();

    Extended result;
    for (const int64_t bits : Precisions) {
        // |x| = X / 2^bits exactly, since x has no bits below 2^-133.
        const BigUnsigned X = BigUnsigned(significand).shiftedLeft(bits + exponent - 63);
        const BigUnsigned ln2 = lnTwo(bits);
        // x = k ln 2 + r with 0 <= r <= ln 2, so that e^x = 2^k e^r.
        BigUnsigned r;
        const int64_t q = int64_t(divide(X, ln2, r).low64());
        int64_t k = q;
        if (negative) {
            k = -q - 1;
            r = ln2 - r;
        }
        // e^r = sum of r^n / n!, each term from the one before.
        const BigUnsigned one = BigUnsigned(1).shiftedLeft(bits);
        BigUnsigned sum = one;
        BigUnsigned term = one;
        for (uint32_t n = 1; !term.isZero(); ++n) {
            term = (term * r).shiftedRight(bits);
            term.divide(n);
            sum = sum + term;
        }
        if (const auto settled = roundedIfSettled(false, sum, k - bits, ErrorBound))
            return *settled;
        result = rounded(false, sum, k - bits, false);
    }
    return result;
}

Extended log(Extended x)
{
    if (x.isNan())
        return quietNan(x);
    if (x.isZero())
        return -Extended::infinity();
    if (x.signBit())
        return Extended::invalid();
    if (x.isInfinite())
        return x;
    if (x == Extended(1))
        return Extended();
    bool negative = false;
    int32_t exponent = 0;
    uint64_t significand = 0;
    finiteParts(x, negative, exponent, significand);
    // x = m 2^e with m in [0.75, 1.5): the series converges fast and ln m never cancels e ln 2.
    const int half = significand >= (uint64_t(3) << 62) ? 1 : 0;
    const int64_t e = int64_t(exponent) + half;
    // m = significand / P; (m - 1) / (m + 1) = (significand - P) / (significand + P).
    const BigUnsigned P = BigUnsigned(1).shiftedLeft(63 + half);
    const BigUnsigned S(significand);
    const bool belowOne = compare(S, P) < 0;
    const BigUnsigned numerator = belowOne ? P - S : S - P;
    const BigUnsigned denominator = S + P;

    Extended result;
    for (const int64_t bits : Precisions) {
        // |ln m| = 2 atanh(s) = 2 (s + s^3/3 + s^5/5 + ...), s = numerator / denominator.
        BigUnsigned unused;
        const BigUnsigned s = divide(numerator.shiftedLeft(bits), denominator, unused);
        const BigUnsigned s2 = (s * s).shiftedRight(bits);
        BigUnsigned power = s;
        BigUnsigned sum = s;
        for (uint32_t n = 1; !power.isZero(); ++n) {
            power = (power * s2).shiftedRight(bits);
            BigUnsigned term = power;
            term.divide(2 * n + 1);
            sum = sum + term;
        }
        const BigUnsigned lnM = sum.shiftedLeft(1);
        const BigUnsigned eLn2 = BigUnsigned(uint64_t(e < 0 ? -e : e)) * lnTwo(bits);
        // ln x = e ln 2 + ln m, the two signed; the larger magnitude gives the sign.
        const bool eNegative = e < 0;
        const bool mNegative = belowOne;
        BigUnsigned total;
        bool totalNegative = false;
        if (e == 0 || eNegative == mNegative) {
            total = eLn2 + lnM;
            totalNegative = e == 0 ? mNegative : eNegative;
        } else if (compare(eLn2, lnM) >= 0) {
            total = eLn2 - lnM;
            totalNegative = eNegative;
        } else {
            total = lnM - eLn2;
            totalNegative = mNegative;
        }
        if (const auto settled = roundedIfSettled(totalNegative, total, -bits, ErrorBound))
            return *settled;
        result = rounded(totalNegative, total, -bits, false);
    }
    return result;
}

std::optional<Extended> fromDecimal(std::string_view text)
{
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    // The significant digits, and the power of ten of the last one.
    std::string digits;
    int64_t scale = 0;
    bool anyDigit = false;
    bool point = false;
    bool droppedNonZero = false;
    // Enough digits for every halfway point between two extended numbers; the ones after only
    // tell whether the number lies above the digits kept.
    constexpr std::size_t KeptDigits = 12000;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            anyDigit = true;
            if (digits.empty() && c == '0') {
                if (point)
                    --scale;
            } else if (digits.size() < KeptDigits) {
                digits += c;
                if (point)
                    --scale;
            } else {
                droppedNonZero = droppedNonZero || c != '0';
                if (!point)
                    ++scale;
            }
        } else {
            break;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        const bool exponentNegative = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        int64_t exponent = 0;
        bool exponentDigit = false;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            exponentDigit = true;
            exponent = std::min<int64_t>(exponent * 10 + (text[i] - '0'), 1000000000);
        }
        if (!exponentDigit)
            return std::nullopt;
        scale += exponentNegative ? -exponent : exponent;
    }
    if (i != text.size())
        return std::nullopt;
    if (digits.empty())
        return negative ? -Extended() : Extended();
    if (droppedNonZero) {
        // One more digit, 1, stands for the non-zero ones dropped: above the kept digits, below
        // the next halfway point.
        digits += '1';
        --scale;
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
        ++scale;
    }

    // The number lies in [10^(magnitude - 1), 10^magnitude); the range is about 3.6e-4951 (the
    // smallest subnormal) to 1.19e4932.
    const int64_t magnitude = int64_t(digits.size()) + scale;
    if (magnitude > 4933)
        return std::nullopt;
    if (magnitude < -4952)
        return negative ? -Extended() : Extended();

    BigUnsigned D;
    for (const char c : digits)
        D.multiplyAdd(10, uint32_t(c - '0'));
    Extended value;
    if (scale >= 0) {
        value = rounded(negative, D * BigUnsigned::powerOfTen(scale), 0, false);
    } else {
        // D / 10^-scale, with at least 66 bits of quotient and the remainder as a sticky bit.
        const BigUnsigned divisor = BigUnsigned::powerOfTen(-scale);
        const int64_t shift = std::max<int64_t>(0, divisor.bitLength() - D.bitLength() + 66);
        BigUnsigned remainder;
        const BigUnsigned quotient = divide(D.shiftedLeft(shift), divisor, remainder);
        value = rounded(negative, quotient, -shift, !remainder.isZero());
    }
    if (value.isInfinite())
        return std::nullopt;
    return value;
}

std::string toScientific(Extended x, int digits)
{
    bool negative = false;
    int32_t exponent = 0;
    uint64_t significand = 0;
    std::string text = x.signBit() ? "-" : "";
    if (!finiteParts(x, negative, exponent, significand)) {
        text += '0';
        if (digits > 1)
            text += '.' + std::string(std::size_t(digits - 1), '0');
        return text + "e+00";
    }
    // x = significand 2^(exponent - 63) lies near 10^(exponent log10 2).
    int64_t decimalExponent = int64_t(exponent) * 30103 / 100000;
    const BigUnsigned lowest = BigUnsigned::powerOfTen(digits - 1);
    const BigUnsigned highest = BigUnsigned::powerOfTen(digits);
    BigUnsigned quotient;
    BigUnsigned remainder;
    BigUnsigned denominator;
    for (;;) {
        // |x| 10^(digits - 1 - decimalExponent) as numerator / denominator.
        const int64_t binary = int64_t(exponent) - 63;
        const int64_t decimal = digits - 1 - decimalExponent;
        BigUnsigned numerator(significand);
        denominator = BigUnsigned(1);
        if (binary >= 0)
            numerator = numerator.shiftedLeft(binary);
        else
            denominator = denominator.shiftedLeft(-binary);
        if (decimal >= 0)
            numerator = numerator * BigUnsigned::powerOfTen(decimal);
        else
            denominator = denominator * BigUnsigned::powerOfTen(-decimal);
        quotient = divide(numerator, denominator, remainder);
        if (compare(quotient, highest) >= 0)
            ++decimalExponent;
        else if (compare(quotient, lowest) < 0)
            --decimalExponent;
        else
            break;
    }
    // To the nearest, ties to even.
    const int half = compare(remainder.shiftedLeft(1), denominator);
    if (half > 0 || (half == 0 && quotient.bit(0)))
        quotient = quotient + BigUnsigned(1);
    if (compare(quotient, highest) == 0) {
        quotient = lowest;
        ++decimalExponent;
    }
    std::string mantissa;
    for (BigUnsigned rest = quotient; !rest.isZero();) {
        BigUnsigned digit;
        rest = divide(rest, BigUnsigned(10), digit);
        mantissa.insert(mantissa.begin(), char('0' + digit.low64()));
    }
    text += mantissa.substr(0, 1);
    if (digits > 1)
        text += '.' + mantissa.substr(1);
    text += decimalExponent < 0 ? "e-" : "e+";
    const std::string exponentText =
        std::to_string(decimalExponent < 0 ? -decimalExponent : decimalExponent);
    if (exponentText.size() < 2)
        text += '0';
    return text + exponentText;
}

} // namespace korvane
