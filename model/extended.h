// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The physics' arithmetic: numbers in the 80-bit extended format of the x87 (a 64-bit mantissa
// with an explicit integer bit, 15 bits of exponent), computed in integers so that every
// processor gives the same bits. Each + - * / is rounded once to the nearest (ties to even) with
// the x87's exponent range and gradual underflow, which is what the x87 hardware gives; exp and
// log are correctly rounded. The teachers' worked figures were computed in this arithmetic, and
// a compiler's own `long double` is this format only on x86. Standard C++ only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

class Extended {
public:
    /// +0.
    constexpr Extended() = default;
    /// Exactly the integer; every 32-bit integer fits.
    Extended(int32_t value);
    /// Exactly the double; every double fits.
    Extended(double value);

    /// The number with these bits as the x87 stores them: sign and biased exponent in the upper
    /// word, the mantissa with its integer bit in the lower. For constants written in hex.
    static constexpr Extended fromBits(uint16_t signAndExponent, uint64_t mantissa)
    {
        return Extended(signAndExponent, mantissa);
    }
    constexpr uint16_t signAndExponent() const { return m_signAndExponent; }
    constexpr uint64_t mantissa() const { return m_mantissa; }

    static Extended infinity();
    /// The quiet NaN that the x87 makes of an invalid operation.
    static Extended invalid();

    /// Rounded to the nearest double, ties to even: what storing the x87 register in memory does.
    double toDouble() const;

    bool isNan() const;
    bool isInfinite() const;
    bool isFinite() const { return !isNan() && !isInfinite(); }
    bool isZero() const;
    bool signBit() const { return (m_signAndExponent & 0x8000) != 0; }

    Extended operator-() const { return Extended(m_signAndExponent ^ 0x8000, m_mantissa); }
    Extended magnitude() const { return Extended(m_signAndExponent & 0x7fff, m_mantissa); }

    friend Extended operator+(Extended a, Extended b);
    friend Extended operator-(Extended a, Extended b) { return a + -b; }
    friend Extended operator*(Extended a, Extended b);
    friend Extended operator/(Extended a, Extended b);

    /// As IEEE compares: a NaN is unordered (every comparison but != is false), -0 == +0.
    friend bool operator==(Extended a, Extended b);
    friend bool operator!=(Extended a, Extended b) { return !(a == b); }
    friend bool operator<(Extended a, Extended b);
    friend bool operator>(Extended a, Extended b) { return b < a; }
    friend bool operator<=(Extended a, Extended b) { return a < b || a == b; }
    friend bool operator>=(Extended a, Extended b) { return b <= a; }

    /// Bit for bit the same number (a NaN is identical to itself, -0 is not +0).
    bool identical(Extended other) const
    {
        return m_signAndExponent == other.m_signAndExponent && m_mantissa == other.m_mantissa;
    }

private:
    constexpr Extended(uint16_t signAndExponent, uint64_t mantissa)
        : m_signAndExponent(signAndExponent), m_mantissa(mantissa)
    {
    }

    uint16_t m_signAndExponent = 0;
    uint64_t m_mantissa = 0;
};

/// e^x, correctly rounded.
Extended exp(Extended x);
/// The natural logarithm, correctly rounded; -infinity for 0, NaN below 0.
Extended log(Extended x);

/// A number written in the classic notation: an optional sign, digits with at most one '.', an
/// optional exponent ('e' or 'E', an optional sign, digits); nothing else, no spaces. Correctly
/// rounded; a value too small for the range gives the nearest it has, down to 0; nullopt for a
/// value beyond the range or a text of another shape.
std::optional<Extended> fromDecimal(std::string_view text);

/// A finite x in scientific notation with `digits` significant digits, correctly rounded (ties to
/// even): "-1.31835e-01", "1.00000e+1000"; the exponent has at least two digits. 0 gives
/// "0.00000e+00".
std::string toScientific(Extended x, int digits);

} // namespace korvane
