// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The bookkeeping of a step: when drops touch a plate, how retired drops leave the table while
// the floating ones keep their order, when Add Oil comes back, and the stopwatch.
#include "model_fixtures.h"
#include "step.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace korvane;
using namespace korvane::fixtures;

class TestStep : public QObject {
    Q_OBJECT
private slots:
    // Plate contact: the lowest and highest rows at which a drop of each radius still floats.
    void limits_data()
    {
        QTest::addColumn<int>("radius");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("gone");
        QTest::addRow("radius 4 floats at 313") << 4 << 313 << false;
        QTest::addRow("radius 4 is gone at 314") << 4 << 314 << true;
        QTest::addRow("radius 6 floats at 312") << 6 << 312 << false;
        QTest::addRow("radius 6 is gone at 313") << 6 << 313 << true;
        QTest::addRow("radius 8 floats at 312") << 8 << 312 << false;
        QTest::addRow("radius 8 is gone at 313") << 8 << 313 << true;
        QTest::addRow("radius 10 floats at 311") << 10 << 311 << false;
        QTest::addRow("radius 10 is gone at 312") << 10 << 312 << true;
        QTest::addRow("radius 4 floats at 15") << 4 << 15 << false;
        QTest::addRow("radius 4 is gone at 14") << 4 << 14 << true;
        QTest::addRow("radius 10 floats at 15") << 10 << 15 << false;
        QTest::addRow("radius 10 is gone at 14") << 10 << 14 << true;
    }
    void limits()
    {
        QFETCH(int, radius);
        QFETCH(int, y);
        QFETCH(bool, gone);
        ApparatusState state = apparatus();
        // The retired drop behind it is the one this step removes, so slot 1 stays in use.
        state.DropCount = 2;
        place(state, 1, 100, y + 0.5 - printedFall(radius), radius);
        place(state, 2, 200, 165.0, 4, 0, 1);
        step(state);
        QCOMPARE(state.DropCount, 1);
        QCOMPARE(state.slot(1).X, 100);
        QCOMPARE(state.slot(1).Y, y);
        QCOMPARE(state.slot(1).Gone, gone ? 1 : 0);
    }

    void truncation()
    {
        ApparatusState state = apparatus();
        state.VoltageOn = 1;
        state.VoltageSetting = 1403; // hangs: moves 0.00014 px per step
        state.DropCount = 1;
        place(state, 1, 100, 313.99, 4, -1);
        step(state);
        QVERIFY(state.exactY(1) > 313.99);
        QCOMPARE(state.slot(1).Y, 313);
        QCOMPARE(state.slot(1).Gone, 0);
    }

    void goneDropsStayPut()
    {
        ApparatusState state = apparatus();
        state.VoltageOn = 1;
        state.VoltageSetting = 5000;
        state.DropCount = 3;
        place(state, 1, 101, 100.75, 4, -15, 1);
        place(state, 2, 102, 200.25, 10, 10, 1);
        place(state, 3, 103, 165.0);
        step(state);
        QCOMPARE(state.slot(1).X, 101);
        QCOMPARE(state.exactY(1), 100.75);
        QCOMPARE(state.slot(1).Y, 100);
        QCOMPARE(state.slot(1).Gone, 1);
    }

    // Retired drops sink to the end of the table and leave it one per step.
    void patterns_data()
    {
        // Gone flags of slots 1 to 3 at the start; X names after the first and second steps.
        QTest::addColumn<QList<int>>("gone");
        QTest::addColumn<QList<int>>("afterOne");
        QTest::addColumn<QList<int>>("afterTwo");
        QTest::addRow("gone, floating, floating")
            << QList<int> {1, 0, 0} << QList<int> {2, 3} << QList<int> {2, 3};
        QTest::addRow("gone, gone, floating")
            << QList<int> {1, 1, 0} << QList<int> {1, 3} << QList<int> {3};
        QTest::addRow("floating, gone, gone")
            << QList<int> {0, 1, 1} << QList<int> {1, 2} << QList<int> {1};
        QTest::addRow("all floating")
            << QList<int> {0, 0, 0} << QList<int> {1, 2, 3} << QList<int> {1, 2, 3};
    }
    void patterns()
    {
        QFETCH(QList<int>, gone);
        QFETCH(QList<int>, afterOne);
        QFETCH(QList<int>, afterTwo);
        ApparatusState state = apparatus();
        state.DropCount = 3;
        for (int n = 1; n <= 3; ++n)
            place(state, n, n, 100.0 + 10 * n, 4, 0, gone[n - 1]);
        place(state, 4, 4, 150.0); // stale, above DropCount: never moved nor exchanged
        const Drop stale = state.slot(4);

        for (const QList<int> &expected : {afterOne, afterTwo}) {
            step(state);
            QList<int> names;
            for (int n = 1; n <= state.DropCount; ++n) {
                names << state.slot(n).X;
                QCOMPARE(state.slot(n).Gone, gone[state.slot(n).X - 1]);
            }
            QCOMPARE(names, expected);
        }
        QCOMPARE(state.slot(4).X, stale.X);
        QCOMPARE(state.exactY(4), 150.0);
    }

    void floatingDropsKeepOrderAndMoveOnce()
    {
        ApparatusState state = apparatus();
        state.DropCount = 40;
        std::vector<int> floating;
        int goneCount = 0;
        for (int n = 1; n <= state.DropCount; ++n) {
            const bool gone = (n * 7) % 5 < 2 || n > 36; // scattered, and a run at the end
            place(state, n, n, 100.0 + n, 4 + 2 * (n % 4), 0, gone ? 1 : 0);
            if (gone)
                ++goneCount;
            else
                floating.push_back(n);
        }
        for (int s = 1; s <= goneCount + 2; ++s) {
            std::vector<double> before(101);
            for (int n = 1; n <= state.DropCount; ++n)
                before[static_cast<std::size_t>(state.slot(n).X)] = state.exactY(n);
            const int countBefore = state.DropCount;
            step(state);
            std::vector<int> order;
            for (int n = 1; n <= state.DropCount; ++n) {
                const Drop &drop = state.slot(n);
                const double moved = state.exactY(n) - before[static_cast<std::size_t>(drop.X)];
                if (drop.Gone != 0) {
                    QCOMPARE(moved, 0.0);
                    continue;
                }
                order.push_back(drop.X);
                QVERIFY(std::abs(moved - printedFall(drop.Radius)) < 1e-5);
            }
            QCOMPARE(order, floating);
            QCOMPARE(state.DropCount, std::max(countBefore - 1, int(floating.size())));
        }
        QCOMPARE(state.DropCount, int(floating.size()));
    }

    void addOilReturnsBelowNinety()
    {
        ApparatusState state = apparatus();
        state.DropCount = 100;
        state.AddOilEnabled = false;
        for (int n = 1; n <= 100; ++n)
            place(state, n, n, 165.0, 4, 0, n >= 90 ? 1 : 0);
        for (int count = 99; count >= 89; --count) {
            step(state);
            QCOMPARE(state.DropCount, count);
            QCOMPARE(state.AddOilEnabled, count < 90);
        }
    }

    // The stopwatch counts steps, not real time.
    void text_data()
    {
        QTest::addColumn<int>("tenths");
        QTest::addColumn<QString>("text");
        QTest::addRow("zero") << 0 << "0.0 s";
        QTest::addRow("first tenth") << 1 << "0.1 s";
        QTest::addRow("nine tenths") << 9 << "0.9 s";
        QTest::addRow("one second") << 10 << "1.0 s";
        QTest::addRow("12.3 s") << 123 << "12.3 s";
        QTest::addRow("ten minutes") << 6000 << "600.0 s";
    }
    void text()
    {
        QFETCH(int, tenths);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(stopwatchText(tenths)), text);
    }

    void counting_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addRow("running, 9 to 10") << true << 9 << 10;
        QTest::addRow("running, first step after start") << true << 0 << 1;
        QTest::addRow("stopped leaves the count") << false << 57 << 57;
    }
    void counting()
    {
        QFETCH(bool, running);
        QFETCH(int, before);
        QFETCH(int, after);
        ApparatusState state = apparatus();
        state.StopwatchRunning = running;
        state.StopwatchTenths = before;
        QCOMPARE(step(state).stopwatchCounted, running);
        QCOMPARE(state.StopwatchTenths, after);
    }

    void emptyTableOnlyCountsAndEnables()
    {
        ApparatusState state = apparatus();
        state.StopwatchRunning = true;
        state.AddOilEnabled = false;
        place(state, 1, 100, 313.75, 4, 0, 1); // stale slot after Clean Up
        step(state);
        QCOMPARE(state.StopwatchTenths, 1);
        QVERIFY(state.AddOilEnabled);
        QCOMPARE(state.DropCount, 0);
        QCOMPARE(state.slot(1).Y, 313);
        QCOMPARE(state.exactY(1), 313.75);
    }
};

QTEST_GUILESS_MAIN(TestStep)
#include "test_step.moc"
