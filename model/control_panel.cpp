// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "control_panel.h"

#include <cstdlib>

namespace korvane {

void toggleSupply(ApparatusState &state)
{
    state.StopwatchTenths = 0;
    state.VoltageOn = state.VoltageOn == 0 ? 1 : 0;
}

void flipPolarity(ApparatusState &state)
{
    state.Polarity = -state.Polarity;
}

void toggleStopwatch(ApparatusState &state)
{
    state.StopwatchRunning = !state.StopwatchRunning;
}

void resetStopwatch(ApparatusState &state)
{
    state.StopwatchTenths = 0;
}

std::string voltageText(int32_t voltageSetting, const std::string &decimalSeparator)
{
    // Hundredths of a volt written exactly: whole volts, then one or two decimals with no
    // trailing zero. This is the shortest text of the value, far within 15 significant digits.
    const bool negative = voltageSetting < 0;
    const long magnitude = std::labs(static_cast<long>(voltageSetting));
    std::string text = negative ? "-" : "";
    text += std::to_string(magnitude / 100);
    const long hundredths = magnitude % 100;
    if (hundredths != 0) {
        text += decimalSeparator;
        text += static_cast<char>('0' + hundredths / 10);
        if (hundredths % 10 != 0)
            text += static_cast<char>('0' + hundredths % 10);
    }
    return text + " V";
}

} // namespace korvane
