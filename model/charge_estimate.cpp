// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "charge_estimate.h"

namespace korvane {

namespace {

std::string filledIn(const char *messageTemplate, const std::string &argument)
{
    std::string message(messageTemplate);
    if (const auto at = message.find("%1"); at != std::string::npos)
        message.replace(at, 2, argument);
    return message;
}

} // namespace

EstimateError::EstimateError(const char *messageTemplate, const std::string &argument)
    : std::runtime_error(filledIn(messageTemplate, argument)), m_template(messageTemplate),
      m_argument(argument)
{
}

namespace {

// The smallest magnitude that rounds to infinity when stored as a double: halfway between the
// largest double and 2^1024.
constexpr Extended DoubleOverflowThreshold = Extended::fromBits(0x43fe, 0xfffffffffffffc00);

std::string separatorOrPoint(const std::string &decimalSeparator)
{
    return decimalSeparator.empty() ? std::string(".") : decimalSeparator;
}

[[noreturn]] void notANumber(const std::string &text)
{
    throw EstimateError(estimate_messages::NotANumber, text);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The arithmetic of the estimate reports its faults as a calculator would, rather than letting
// an infinity or NaN reach the text: every result is checked, every divisor tested first.
Extended checked(Extended x)
{
    if (x.isNan())
        throw EstimateError(estimate_messages::InvalidOperation);
    if (x.isInfinite())
        throw EstimateError(estimate_messages::Overflow);
    return x;
}

Extended divide(Extended dividend, Extended divisor)
{
    if (divisor == 0)
        throw EstimateError(dividend == 0 ? estimate_messages::InvalidOperation
                                          : estimate_messages::DivisionByZero);
    return checked(dividend / divisor);
}

Extended logarithm(Extended x)
{
    if (x == 0)
        throw EstimateError(estimate_messages::DivisionByZero);
    if (x < 0)
        throw EstimateError(estimate_messages::InvalidOperation);
    return checked(log(checked(x)));
}

double storedAsDouble(Extended x)
{
    checked(x);
    if (x.magnitude() >= DoubleOverflowThreshold)
        throw EstimateError(estimate_messages::Overflow);
    return x.toDouble();
}

} // namespace

Extended parseNumberText(const std::string &text, const std::string &decimalSeparator)
{
    const std::string separator = separatorOrPoint(decimalSeparator);
    // The same number in the classic notation, for the locale-independent conversion below.
    std::string classic;
    std::size_t i = 0;
    const std::size_t end = text.size();

    while (i < end && text[i] == ' ')
        ++i;
    if (i < end && (text[i] == '+' || text[i] == '-'))
        classic += text[i++];
    bool seenSeparator = false;
    int digits = 0;
    while (i < end) {
        if (isDigit(text[i])) {
            classic += text[i++];
            ++digits;
        } else if (!seenSeparator && text.compare(i, separator.size(), separator) == 0) {
            classic += '.';
            i += separator.size();
            seenSeparator = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        notANumber(text);
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        classic += 'e';
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            classic += text[i++];
        int exponentDigits = 0;
        while (i < end && isDigit(text[i])) {
            classic += text[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            notANumber(text);
    }
    while (i < end && text[i] == ' ')
        ++i;
    if (i != end)
        notANumber(text);

    // Read in the classic notation, whatever the process's locale: beyond the range it fails, and
    // below it gives the nearest value it has.
    const std::optional<Extended> value = fromDecimal(classic);
    if (!value)
        notANumber(text);
    return *value;
}

std::optional<Extended> estimateCharge(const ApparatusState &state, const std::string &timeText,
                                       const std::string &distanceText,
                                       const std::string &decimalSeparator)
{
    if (state.VoltageSetting == 0)
        return std::nullopt;
    if (timeText.empty())
        return std::nullopt;
    const Extended t = parseNumberText(timeText, decimalSeparator); // [s]
    const Extended d = parseNumberText(distanceText, decimalSeparator); // [m]

    // v = d / t, speed of fall [m/s], kept as a stored value
    const double v = storedAsDouble(divide(d, t));
    // U = VoltageSetting / 100 [V]
    const Extended U = Extended(state.VoltageSetting) / Extended(100);
    // r^2 = 9 eta v / ((rho_oil - rho_air) 2g) [m^2]: Stokes' law solved for the radius
    const Extended r2 = divide(checked(Extended(9) * Extended(state.AirViscosity) * Extended(v)),
                               checked((Extended(state.OilDensity) - Extended(state.AirDensity)) *
                                       constants::TwiceGravity));
    // r^3 = e^(1.5 ln r^2) [m^3]
    const Extended r3 = checked(exp(Extended(1.5) * logarithm(r2)));
    // n = m g / (e U / s) with m = 4/3 pi r^3 rho_oil; the mass uses the oil density alone
    const Extended n = divide(
        divide(checked(r3 * checked(constants::SphereVolumeFactor * Extended(state.OilDensity)) *
                       constants::Gravity * Extended(state.PlateSeparation)),
               U),
        constants::ElementaryCharge);
    return n;
}

std::string formatEstimate(Extended n, const std::string &decimalSeparator)
{
    checked(n);
    if (n == 0)
        n = Extended(); // a negative zero reads as 0 too

    const std::string classic = toScientific(n, 6); // "-1.31835e-01", correctly rounded

    const std::size_t e = classic.find('e');
    std::string mantissa = classic.substr(0, e);
    mantissa.replace(mantissa.find('.'), 1, separatorOrPoint(decimalSeparator));
    const char exponentSign = classic[e + 1];
    std::string exponent = classic.substr(e + 2);
    if (exponent.size() < 3)
        exponent.insert(0, 3 - exponent.size(), '0');
    return mantissa + 'E' + exponentSign + exponent;
}

} // namespace korvane
