// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "charge_estimate.h"

#include <cmath>
#include <iomanip>
#include <limits>
#include <locale>
#include <sstream>

namespace korvane {

static_assert(std::numeric_limits<long double>::digits >= 64,
              "the estimate is evaluated in 80-bit extended precision");

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
constexpr long double DoubleOverflowThreshold = 0x1.fffffffffffff8p+1023L;

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
long double checked(long double x)
{
    if (std::isnan(x))
        throw EstimateError(estimate_messages::InvalidOperation);
    if (std::isinf(x))
        throw EstimateError(estimate_messages::Overflow);
    return x;
}

long double divide(long double dividend, long double divisor)
{
    if (divisor == 0)
        throw EstimateError(dividend == 0 ? estimate_messages::InvalidOperation
                                          : estimate_messages::DivisionByZero);
    return checked(dividend / divisor);
}

long double logarithm(long double x)
{
    if (x == 0)
        throw EstimateError(estimate_messages::DivisionByZero);
    if (x < 0)
        throw EstimateError(estimate_messages::InvalidOperation);
    return checked(std::log(checked(x)));
}

double storedAsDouble(long double x)
{
    checked(x);
    if (std::fabs(x) >= DoubleOverflowThreshold)
        throw EstimateError(estimate_messages::Overflow);
    return static_cast<double>(x);
}

} // namespace

long double parseNumberText(const std::string &text, const std::string &decimalSeparator)
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

    // The classic locale's reading ignores the process's locale; it fails beyond the range and
    // gives the nearest value below it.
    std::istringstream in(classic);
    in.imbue(std::locale::classic());
    long double value = 0;
    in >> value;
    if (in.fail() || !in.eof() || !std::isfinite(value))
        notANumber(text);
    return value;
}

std::optional<long double> estimateCharge(const ApparatusState &state, const std::string &timeText,
                                          const std::string &distanceText,
                                          const std::string &decimalSeparator)
{
    if (state.VoltageSetting == 0)
        return std::nullopt;
    if (timeText.empty())
        return std::nullopt;
    const long double t = parseNumberText(timeText, decimalSeparator); // [s]
    const long double d = parseNumberText(distanceText, decimalSeparator); // [m]

    // v = d / t, speed of fall [m/s], kept as a stored value
    const double v = storedAsDouble(divide(d, t));
    // U = VoltageSetting / 100 [V]
    const long double U = state.VoltageSetting / 100.0L;
    // r^2 = 9 eta v / ((rho_oil - rho_air) 2g) [m^2]: Stokes' law solved for the radius
    const long double r2 =
        divide(checked(9.0L * state.AirViscosity * v),
               checked((state.OilDensity - state.AirDensity) * constants::TwiceGravity));
    // r^3 = e^(1.5 ln r^2) [m^3]
    const long double r3 = checked(std::exp(1.5L * logarithm(r2)));
    // n = m g / (e U / s) with m = 4/3 pi r^3 rho_oil; the mass uses the oil density alone
    const long double n =
        divide(divide(checked(r3 * checked(constants::SphereVolumeFactor * state.OilDensity) *
                              constants::Gravity * state.PlateSeparation),
                      U),
               constants::ElementaryCharge);
    return n;
}

std::string formatEstimate(long double n, const std::string &decimalSeparator)
{
    checked(n);
    if (n == 0)
        n = 0; // a negative zero reads as 0 too

    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::scientific << std::setprecision(5) << n; // "-1.31835e-01", correctly rounded
    const std::string classic = out.str();

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
