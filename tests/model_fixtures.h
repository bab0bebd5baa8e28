// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Small helpers shared by the model's tests: a fresh apparatus and drops placed by hand.
#pragma once

#include "apparatus_state.h"

namespace korvane::fixtures {

inline ApparatusState apparatus()
{
    ApparatusState state;
    initialiseApparatus(state);
    return state;
}

/// Puts a drop into slot n, its Y the truncated exactY. X serves as the drop's name in tests of
/// the table's order.
inline void place(ApparatusState &state, int n, int32_t x, double exactY, int32_t radius = 4,
                  int32_t charge = 0, int32_t gone = 0)
{
    state.slot(n) = Drop {x, static_cast<int32_t>(exactY), charge, radius, gone};
    state.exactY(n) = exactY;
}

/// The teachers' figure for a neutral drop's fall per step [px], used to aim drops at a row.
inline double printedFall(int radius)
{
    switch (radius) {
    case 4:
        return 0.49697;
    case 6:
        return 1.11818;
    case 8:
        return 1.98788;
    default:
        return 3.10606;
    }
}

} // namespace korvane::fixtures
