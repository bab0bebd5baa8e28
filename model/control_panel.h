// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the control panel's switches do to the apparatus state: the supply, the polarity and
// the stopwatch. The main window's controls mirror the fields these change.
#pragma once

#include "apparatus_state.h"

#include <string>

namespace korvane {

/// The On/Off button: switches the supply and zeroes the stopwatch count, without touching the
/// voltage setting or the stopwatch's text.
void toggleSupply(ApparatusState &state);

/// Flip Voltage: the other plate becomes the positive one.
void flipPolarity(ApparatusState &state);

/// Start/Stop: the count is kept, so Start after Stop goes on from the time shown.
void toggleStopwatch(ApparatusState &state);

/// Reset: the count back to zero; a running stopwatch keeps running.
void resetStopwatch(ApparatusState &state);

/// The slider's voltage, VoltageSetting / 100 volts, as the shortest decimal text followed by
/// " V": "0 V", "0.01 V", "12.5 V", "50 V", with the given decimal separator.
std::string voltageText(int32_t voltageSetting, const std::string &decimalSeparator);

} // namespace korvane
