// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "apparatus_state.h"

#include <algorithm>

namespace korvane {

void initialiseApparatus(ApparatusState &state)
{
    state.PlateSeparation = constants::PlateSeparation;
    state.Polarity = +1;
    state.PlateTop = constants::PlateTop;
    state.PlateGap = constants::PlateGap;
    state.DropCount = 0;
    state.StopwatchRunning = false;
    state.AirDensity = constants::AirDensity;
    state.OilDensity = constants::OilDensity;
    state.AirViscosity = constants::AirViscosity;
    state.ZoomDragging = false;
}

int floatingDrops(const ApparatusState &state)
{
    const int count = std::clamp(state.DropCount, 0, TableCapacity);
    int floating = 0;
    for (int n = 1; n <= count; ++n)
        floating += state.slot(n).Gone == 0;
    return floating;
}

} // namespace korvane
