// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "step.h"

#include <utility>

namespace korvane {

namespace {

/// Add Oil comes back once a step leaves fewer drops than this.
constexpr int32_t AddOilReturnsBelow = 90;

/// The lowest y at which a drop may sit: its lower edge (Y plus its size) must not pass the
/// lower plate.
int32_t lowestFloatingY(const ApparatusState &state, const Drop &drop)
{
    return state.PlateTop + state.PlateGap - dropSize(drop);
}

/// r^3 [m^3] for a radius of r = radius x 1e-7 m, as e^(3 ln r): the worked figures were
/// computed this way, with the x87's expl and logl. For the four radii that drops have, these
/// are the x87's results (its logl of 1e-6 is one unit in the last place off the correctly
/// rounded logarithm); any other radius is computed, correctly rounded.
Extended radiusCubed(int32_t radius, Extended r)
{
    switch (radius) {
    case 4:
        return Extended::fromBits(0x3fbf, 0x971da05074da7bee);
    case 6:
        return Extended::fromBits(0x3fc0, 0xff01fe87c530b141);
    case 8:
        return Extended::fromBits(0x3fc2, 0x971da05074da7bec);
    case 10:
        return Extended::fromBits(0x3fc3, 0x9392ee8e921d5cff);
    default:
        return exp(3 * log(r));
    }
}

/// Distance [px] a floating drop covers in one step at its terminal velocity, positive
/// downward. Stokes' law balances the drag 6 pi eta r v against the weight less buoyancy W and
/// the electric force E, so v = (W + E) / (6 pi eta r); K turns m/s into px per step. The
/// order of the operations is fixed: the teachers' worked figures come from exactly this
/// 80-bit arithmetic, each operation rounded once.
Extended displacementPerStep(const ApparatusState &state, const Drop &drop, double K)
{
    // Radius of the drop [m].
    const Extended r = Extended(drop.Radius) * constants::RadiusUnit;
    // r^3 [m^3], as e^(3 ln r).
    const Extended c = radiusCubed(drop.Radius, r);
    // Weight less buoyancy, 4/3 pi r^3 (rho_oil - rho_air) g [N].
    const Extended W = ((c * constants::SphereVolumeFactor) *
                        (Extended(state.OilDensity) - Extended(state.AirDensity))) *
        constants::Gravity;
    // Electric force q U / d [N], zero while the supply is off; positive pushes downward.
    const int32_t signedCharge = state.Polarity * drop.Charge;
    const Extended E = ((((Extended(signedCharge) * constants::ElementaryCharge) *
                          (Extended(state.VoltageSetting) / Extended(100))) /
                         Extended(state.PlateSeparation)) *
                        Extended(state.VoltageOn));
    // Net force [N] times K [px s/m per step].
    const Extended numerator = (W + E) * Extended(K);
    // Stokes drag per unit velocity, 6 pi eta r [N s/m].
    const Extended denominator =
        ((constants::StokesDragFactor * Extended(state.AirViscosity)) * Extended(drop.Radius)) *
        constants::RadiusUnit;
    return numerator / denominator;
}

// Pixels per step for a velocity of 1 m/s: (PlateGap - 1) px stand for PlateSeparation, and a
// step lasts 1/10 s.
double pixelsPerStepAtOneMetrePerSecond(const ApparatusState &state)
{
    return (Extended(state.PlateGap - 1) /
            (Extended(state.PlateSeparation) * Extended(constants::StepsPerSecond)))
        .toDouble();
}

} // namespace

Extended driftPerStep(const ApparatusState &state, const Drop &drop)
{
    return displacementPerStep(state, drop, pixelsPerStepAtOneMetrePerSecond(state));
}

StepResult step(ApparatusState &state)
{
    StepResult result;
    const double K = pixelsPerStepAtOneMetrePerSecond(state);

    if (state.StopwatchRunning) {
        ++state.StopwatchTenths;
        result.stopwatchCounted = true;
    }

    // Taken once: a drop removed below belongs to this step's table.
    const int count = state.DropCount;
    for (int i = 1; i <= count; ++i) {
        Drop &drop = state.slot(i);
        if (drop.Gone == 0)
            state.exactY(i) =
                (displacementPerStep(state, drop, K) + Extended(state.exactY(i))).toDouble();
        drop.Y = static_cast<int32_t>(state.exactY(i)); // truncates toward zero
        if (drop.Y > lowestFloatingY(state, drop) || drop.Y < state.PlateTop)
            drop.Gone = 1;
        // A retired drop trades places with the floating drop after it, so retired drops
        // collect at the end of the table where they can be removed.
        if (i >= 2 && state.slot(i - 1).Gone != 0 && drop.Gone == 0) {
            std::swap(state.slot(i - 1), drop);
            std::swap(state.exactY(i - 1), state.exactY(i));
        }
    }

    if (state.DropCount > 0 && state.slot(state.DropCount).Gone != 0)
        --state.DropCount;
    if (state.DropCount < AddOilReturnsBelow)
        state.AddOilEnabled = true;
    return result;
}

std::string stopwatchText(int32_t tenths)
{
    return std::to_string(tenths / 10) + '.' + std::to_string(tenths % 10) + " s";
}

} // namespace korvane
