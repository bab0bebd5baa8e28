// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A million steps, about 28 hours of simulated lesson, on the model alone: oil is added whenever
// Add Oil is enabled, and the drop mode, the voltage, the polarity, the supply and the
// stopwatch are changed along the way. The table's rules hold after every step and every
// action, and the stopwatch reads right at the end. KORVANE_LONG_RUN_STEPS shortens the run
// (the memory checker runs it so).
#include "apparatus_invariants.h"
#include "control_panel.h"
#include "drops.h"
#include "model_fixtures.h"
#include "step.h"

#include <QElapsedTimer>
#include <QTest>

#include <cstdlib>
#include <string>

using namespace korvane;
using namespace korvane::invariants;

namespace {

constexpr int FullRun = 1'000'000;

int stepsToRun()
{
    if (const char *steps = std::getenv("KORVANE_LONG_RUN_STEPS"))
        return std::atoi(steps);
    return FullRun;
}

} // namespace

class TestLongRun : public QObject {
    Q_OBJECT
private slots:
    void invariantsHoldForAMillionSteps()
    {
        const int total = stepsToRun();
        QVERIFY(total >= 1000);
        // The schedule, in steps; the supply is last switched before half the run is over.
        const int modeEvery = total / 1000 + 7;
        const int voltageEvery = total / 1400 + 3;
        const int flipEvery = total / 770 + 1;
        const int supplyEvery = total / 400;
        const int lastSupplySwitch = supplyEvery * 199;
        const int pauseFrom = total * 3 / 5, pauseTo = pauseFrom + 100;

        ApparatusState state = fixtures::apparatus();
        SeededRandom random(20240611);
        toggleStopwatch(state);
        const DropMode modes[] = {DropMode::Variable, DropMode::SameRadius,
                                  DropMode::SamePositiveCharge, DropMode::SameNegativeCharge};
        DropMode mode = DropMode::Variable;
        int32_t tenths = 0; // the test's own tally of the stopwatch
        int fullTable = 0, retired = 0;

        QElapsedTimer clock;
        clock.start();
        for (int i = 1; i <= total; ++i) {
            Snapshot before = Snapshot::of(state);
            if (state.AddOilEnabled)
                addOil(state, mode, random);
            if (i % modeEvery == 0)
                mode = modes[(i / modeEvery) % 4];
            if (i % voltageEvery == 0)
                state.VoltageSetting = random.R(5001);
            if (i % flipEvery == 0)
                flipPolarity(state);
            if (i % supplyEvery == 0 && i <= lastSupplySwitch) {
                toggleSupply(state);
                tenths = 0;
            }
            if (i == pauseFrom || i == pauseTo)
                toggleStopwatch(state);
            std::string fault = checkUserAction(before, state);
            if (fault.empty() && state.AddOilEnabled != addOilAfterUserAction(before, state))
                fault = "Add Oil does not follow its rule after an injection";
            if (fault.empty())
                fault = checkTable(state);
            QVERIFY2(fault.empty(), ("before step " + std::to_string(i) + ": " + fault).c_str());

            before = Snapshot::of(state);
            step(state);
            if (state.StopwatchRunning)
                ++tenths;
            fault = checkStep(before, state);
            if (fault.empty())
                fault = checkTable(state);
            QVERIFY2(fault.empty(), ("step " + std::to_string(i) + ": " + fault).c_str());
            fullTable += state.DropCount == TableCapacity ? 1 : 0;
            retired += before.DropCount - state.DropCount;
        }
        qInfo("%d steps in %lld ms; table full after %d steps, %d drops retired", total,
              static_cast<long long>(clock.elapsed()), fullTable, retired);

        // Every rule had its chance: the table filled up and drained again.
        QVERIFY(fullTable > 0);
        QVERIFY(retired > total / 100);
        QCOMPARE(state.VoltageOn, 1);
        QCOMPARE(state.StopwatchTenths, tenths);
        if (total == FullRun) {
            // Counted from the last switch of the supply, before step 497 500, less the pause.
            QCOMPARE(stopwatchText(state.StopwatchTenths), std::string("50240.1 s"));
        }
    }
};

QTEST_GUILESS_MAIN(TestLongRun)
#include "test_long_run.moc"
