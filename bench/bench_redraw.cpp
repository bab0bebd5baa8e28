// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The full redraw of both pictures with a full table of floating drops, the scale and the
// thread shown: the work of every 100 ms step and of every pointer movement during a drag, on a
// screen at 96 dpi and on one at 200 %.
#include "apparatus_renderer.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

korvane::ApparatusState fullTable()
{
    korvane::ApparatusState state;
    korvane::initialiseApparatus(state);
    state.DropCount = korvane::TableCapacity;
    for (int i = 1; i <= state.DropCount; ++i) {
        korvane::Drop &drop = state.slot(i);
        drop.X = 30 + (i * 37) % 685;
        drop.Y = 30 + (i * 53) % 271;
        drop.Radius = 4 + 2 * (i % 4);
        drop.Charge = 10 - i % 26;
        state.exactY(i) = drop.Y + 0.25;
    }
    return state;
}

void redrawLoop(benchmark::State &run, qreal ratio)
{
    const korvane::ApparatusState state = fullTable();
    korvane::ViewSettings settings;
    settings.showScale = true;
    settings.showThread = true;
    korvane::ApparatusRenderer renderer;
    renderer.setDevicePixelRatio(ratio);
    renderer.redraw(state, settings); // fonts are looked up once, as in the program
    for (auto _ : run) {
        renderer.redraw(state, settings);
        benchmark::DoNotOptimize(renderer.screenApparatusPicture().constBits());
    }
}

void fullRedraw(benchmark::State &run)
{
    redrawLoop(run, 1);
}
BENCHMARK(fullRedraw)->Unit(benchmark::kMicrosecond)->ReportAggregatesOnly();

// On a screen at 200 %: the 96-dpi pictures and the pictures at the screen's density.
void fullRedrawAtRatio2(benchmark::State &run)
{
    redrawLoop(run, 2);
}
BENCHMARK(fullRedrawAtRatio2)->Unit(benchmark::kMicrosecond)->ReportAggregatesOnly();

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // text drawing needs the font database
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
