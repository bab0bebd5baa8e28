// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Numbers inside translated texts. A translation writes a fixed value as "%1" so that it
// follows the user's notation (a decimal comma in Germany, a point in Switzerland and Mexico);
// the English text carries the number itself, as the program has always shown it.
#pragma once

#include <QString>

#include <cstdint>

namespace korvane {

/// The text with its "%1" replaced by value, written with `decimals` decimals in the notation of
/// the default QLocale; a text without "%1" unchanged.
QString withNumber(const QString &text, double value, int decimals);

/// The decimal separator of the numbers the program writes with a point of its own, the
/// stopwatch and the scale labels: the point in English, and in a translation the user's
/// regional separator, as the voltage has it.
QString readingDecimalSeparator();

/// The stopwatch's text for a count of tenths, "1.8 s", with that separator.
QString shownTime(int32_t tenths);

} // namespace korvane
