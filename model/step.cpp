// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "step.h"

#include <cmath>
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

/// Distance [px] a floating drop covers in one step at its terminal velocity, positive
/// downward. Stokes' law balances the drag 6 pi eta r v against the weight less buoyancy W and
/// the electric force E, so v = (W + E) / (6 pi eta r); K turns m/s into px per step. The
/// order of the operations is fixed: the teachers' worked figures come from exactly this
/// 80-bit arithmetic.
long double displacementPerStep(const ApparatusState &state, const Drop &drop, double K)
{
    // Radius of the drop [m].
    const long double r = drop.Radius * constants::RadiusUnit;
    // r^3 [m^3], as e^(3 ln r): the worked figures were computed this way.
    const long double c = expl(3.0L * logl(r));
    // Weight less buoyancy, 4/3 pi r^3 (rho_oil - rho_air) g [N].
    const long double W = ((c * constants::SphereVolumeFactor) *
                           (static_cast<long double>(state.OilDensity) - state.AirDensity)) *
        constants::Gravity;
    // Electric force q U / d [N], zero while the supply is off; positive pushes downward.
    const int32_t signedCharge = state.Polarity * drop.Charge;
    const long double E = ((((signedCharge * constants::ElementaryCharge) *
                             (static_cast<long double>(state.VoltageSetting) / 100.0L)) /
                            state.PlateSeparation) *
                           state.VoltageOn);
    // Net force [N] times K [px s/m per step].
    const long double numerator = (W + E) * K;
    // Stokes drag per unit velocity, 6 pi eta r [N s/m].
    const long double denominator =
        ((constants::StokesDragFactor * state.AirViscosity) * drop.Radius) * constants::RadiusUnit;
    return numerator / denominator;
}

// Pixels per step for a velocity of 1 m/s: (PlateGap - 1) px stand for PlateSeparation, and a
// step lasts 1/10 s.
double pixelsPerStepAtOneMetrePerSecond(const ApparatusState &state)
{
    return static_cast<double>(
        (state.PlateGap - 1) /
        (static_cast<long double>(state.PlateSeparation) * constants::StepsPerSecond));
}

} // namespace

long double driftPerStep(const ApparatusState &state, const Drop &drop)
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
                static_cast<double>(displacementPerStep(state, drop, K) + state.exactY(i));
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
