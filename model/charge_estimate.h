// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The charge estimate from a timed fall (the balancing method): Stokes' law gives a drop's radius
// from its speed of fall, the radius its mass, and the balance of weight and electric force at
// the slider's voltage the number of elementary charges. Also the number texts it reads and
// writes, in the user's decimal notation. Standard C++ only.
#pragma once

#include "apparatus_state.h"
#include "extended.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace korvane {

/// An error raised by a handler; what() is the message in English. The message is also kept as
/// its template and the one argument put in place of the template's "%1", so that the window
/// can show it in the user's language. The template is one of estimate_messages.
class EstimateError : public std::runtime_error {
public:
    explicit EstimateError(const char *messageTemplate, const std::string &argument = {});

    const char *messageTemplate() const noexcept { return m_template; }
    const std::string &argument() const noexcept { return m_argument; }

private:
    const char *m_template;
    std::string m_argument;
};

/// Marks a message for the translators (lupdate reads it as QT_TRANSLATE_NOOP); the window looks
/// the English text up in that context when it shows the message.
#define KORVANE_MESSAGE(context, text) text

/// The templates of the messages the estimate reports: a text that is not a number, and the
/// arithmetic faults.
namespace estimate_messages {
inline constexpr char NotANumber[] =
    KORVANE_MESSAGE("korvane::ErrorMessage", "'%1' is not a valid floating point value");
inline constexpr char DivisionByZero[] =
    KORVANE_MESSAGE("korvane::ErrorMessage", "Floating point division by zero");
inline constexpr char InvalidOperation[] =
    KORVANE_MESSAGE("korvane::ErrorMessage", "Invalid floating point operation");
inline constexpr char Overflow[] =
    KORVANE_MESSAGE("korvane::ErrorMessage", "Floating point overflow");
} // namespace estimate_messages

/// Converts a number text: spaces (' ') before and after, an optional '+' or '-', digits with at
/// most one decimal separator and at least one digit (".5" and "5." are numbers, "." is not),
/// then an optional exponent ('E' or 'e', an optional sign, at least one digit). Anything else,
/// and a value beyond the range of Extended, throws
/// EstimateError(estimate_messages::NotANumber, text). A value too small for the
/// range becomes the nearest one it has, down to 0. The separator is the user's (UTF-8, possibly
/// several bytes); an empty one stands for ".".
Extended parseNumberText(const std::string &text, const std::string &decimalSeparator);

/// The estimate for a fall of distanceText metres in timeText seconds at the slider's voltage.
/// Nothing is computed (std::nullopt) when VoltageSetting is 0 or the time text is empty.
/// The time text is converted before the distance text, so a bad time is the one reported.
/// Reads VoltageSetting whether or not the supply is on; changes nothing in the state.
/// Arithmetic faults throw EstimateError with one of estimate_messages: a time of 0 divides by
/// zero (0/0 is invalid), a speed of 0 takes the logarithm of 0 (division by zero), a negative
/// one the logarithm of a negative number (invalid), and a speed beyond the range of a double
/// overflows. No result is ever infinite or NaN.
std::optional<Extended> estimateCharge(const ApparatusState &state, const std::string &timeText,
                                       const std::string &distanceText,
                                       const std::string &decimalSeparator);

/// n with six significant digits: a '-' when negative, one digit, the separator, five digits, 'E',
/// the exponent's sign and at least three exponent digits: "1.31835E-001", "1.60000E+001".
/// An infinite n throws EstimateError (overflow), a NaN one (invalid operation): neither has a
/// text.
std::string formatEstimate(Extended n, const std::string &decimalSeparator);

} // namespace korvane
