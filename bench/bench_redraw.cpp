// The full redraw of both pictures with a full table of floating drops, the scale and the
// thread shown: the work of every 100 ms step and of every pointer movement during a drag.
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

void fullRedraw(benchmark::State &run)
{
    const korvane::ApparatusState state = fullTable();
    korvane::ViewSettings settings;
    settings.showScale = true;
    settings.showThread = true;
    korvane::ApparatusRenderer renderer;
    renderer.redraw(state, settings); // fonts are looked up once, as in the program
    for (auto _ : run) {
        renderer.redraw(state, settings);
        benchmark::DoNotOptimize(renderer.apparatusPicture().constBits());
    }
}
BENCHMARK(fullRedraw)->Unit(benchmark::kMicrosecond)->ReportAggregatesOnly();

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // text drawing needs the font database
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
