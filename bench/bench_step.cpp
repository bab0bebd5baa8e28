// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The model's share of every 100 ms tick and of every Add Oil click: one step over a full table
// of floating drops, and one injection of ten drops.
#include "drops.h"
#include "step.h"

#include <benchmark/benchmark.h>

namespace {

using namespace korvane;

/// Resetting the table this often keeps every drop well clear of the plates: none moves more
/// than 0.4 px per step at 25 V.
constexpr int StepsBetweenResets = 100;

/// A full table at 25 V whose drops nearly hang, so that every step moves all 100 of them.
ApparatusState hangingDrops()
{
    // (radius, charge) pairs whose fall and electric rise nearly cancel at 25 V.
    constexpr int32_t pairs[][2] = {{4, -1}, {6, -2}, {8, -4}, {8, -5}, {10, -9}};
    ApparatusState state;
    initialiseApparatus(state);
    state.VoltageOn = 1;
    state.VoltageSetting = 2500;
    state.StopwatchRunning = true;
    state.DropCount = TableCapacity;
    for (int n = 1; n <= TableCapacity; ++n) {
        const auto &pair = pairs[n % 5];
        state.slot(n) = Drop {30 + 6 * n, 120 + n % 80, pair[1], pair[0], 0};
        state.exactY(n) = state.slot(n).Y;
    }
    return state;
}

void stepOverFullTable(benchmark::State &run)
{
    const ApparatusState start = hangingDrops();
    ApparatusState state = start;
    int steps = 0;
    for (auto _ : run) {
        step(state);
        benchmark::ClobberMemory();
        if (++steps == StepsBetweenResets) {
            run.PauseTiming();
            if (state.DropCount != TableCapacity)
                run.SkipWithError("a drop touched a plate: the measurement would be too light");
            state = start;
            steps = 0;
            run.ResumeTiming();
        }
    }
}
BENCHMARK(stepOverFullTable)->Unit(benchmark::kMicrosecond);

void addOilTenDrops(benchmark::State &run)
{
    ApparatusState state;
    initialiseApparatus(state);
    SeededRandom random(1);
    for (auto _ : run) {
        addOil(state, DropMode::Variable, random);
        benchmark::ClobberMemory();
        if (state.DropCount == TableCapacity) {
            run.PauseTiming();
            cleanUp(state);
            run.ResumeTiming();
        }
    }
}
BENCHMARK(addOilTenDrops)->Unit(benchmark::kNanosecond);

} // namespace

BENCHMARK_MAIN();
