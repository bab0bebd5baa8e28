// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Numbers inside translated texts. A translation writes a fixed value as "%1" so that it
// follows the user's notation (a decimal comma in Germany, a point in Switzerland and Mexico);
// the English text carries the number itself, as the program has always shown it.
#pragma once

#include <QString>

namespace korvane {

/// The text with its "%1" replaced by value, written with `decimals` decimals in the notation of
/// the default QLocale; a text without "%1" unchanged.
QString withNumber(const QString &text, double value, int decimals);

} // namespace korvane
