// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One step of simulated time (0.1 s): the stopwatch counts, every floating drop moves at its
// terminal velocity, drops that touch a plate retire, and one retired drop leaves the table.
#pragma once

#include "apparatus_state.h"
#include "extended.h"

#include <cstdint>
#include <string>

namespace korvane {

struct StepResult {
    bool stopwatchCounted = false; ///< the stopwatch advanced: its text must be rewritten
};

/// One step of 0.1 s. Moves the drops of slots 1..DropCount, retires those past a plate, lets
/// retired drops sink toward the end of the table and removes at most one of them, and
/// enables Add Oil once fewer than 90 drops remain. Does not redraw (the caller does) and
/// allocates nothing.
StepResult step(ApparatusState &state);

/// How far the drop moves in one step at the present field [px], positive downward, as step()
/// moves it.
Extended driftPerStep(const ApparatusState &state, const Drop &drop);

/// The stopwatch's text for a count of tenths of a second, 0 upward: "0.1 s", "12.3 s",
/// "600.0 s". The decimal point is always ".", whatever the user's locale.
std::string stopwatchText(int32_t tenths);

} // namespace korvane
