// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drops.h"

namespace korvane {

namespace {

constexpr int32_t DropsPerClick = 10;
/// Left margin of the injection band [px]; the band ends 50 px before the picture's right edge.
constexpr int32_t InjectionLeft = 30;
constexpr int32_t InjectionWidthMargin = 80;
/// Distance of the scattered drops from either plate [px].
constexpr int32_t InjectionPlateMargin = 15;

} // namespace

bool addOil(ApparatusState &state, DropMode mode, RandomSource &random, int pictureWidth)
{
    if (state.DropCount > TableCapacity - DropsPerClick)
        return false;
    const int first = state.DropCount + 1;
    state.DropCount += DropsPerClick;
    for (int n = first; n <= state.DropCount; ++n) {
        Drop &drop = state.slot(n);
        // The draws must come in this order so that a seeded run replays the same drops.
        drop.X = InjectionLeft + random.R(pictureWidth - InjectionWidthMargin);
        drop.Y = mode == DropMode::Variable ? state.PlateTop + InjectionPlateMargin +
                random.R(state.PlateGap - 2 * InjectionPlateMargin)
                                            : state.PlateTop + state.PlateGap / 2;
        switch (mode) {
        case DropMode::SamePositiveCharge:
            drop.Charge = fixedmode::PositiveCharge;
            break;
        case DropMode::SameNegativeCharge:
            drop.Charge = fixedmode::NegativeCharge;
            break;
        case DropMode::Variable:
        case DropMode::SameRadius:
            // 26 equally likely charges, -15 to +10 elementary charges.
            drop.Charge = 10 - random.R(26);
            break;
        }
        drop.Radius = mode == DropMode::SameRadius ? fixedmode::Radius : 4 + 2 * random.R(4);
        drop.Gone = 0;
        state.exactY(n) = drop.Y;
    }
    if (state.DropCount == TableCapacity)
        state.AddOilEnabled = false;
    return true;
}

void cleanUp(ApparatusState &state)
{
    state.DropCount = 0;
    state.AddOilEnabled = true;
}

} // namespace korvane
