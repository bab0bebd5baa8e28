// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Add Oil and Clean Up: which slots are filled, what each drop mode gives a new drop, in which
// order the random draws are made, and when the button is enabled.
#include "drops.h"
#include "model_fixtures.h"
#include "scripted_random.h"

#include <QTest>

#include <cmath>
#include <map>
#include <set>
#include <utility>

using namespace korvane;
using namespace korvane::fixtures;

Q_DECLARE_METATYPE(korvane::DropMode)

namespace {

/// A table of 100 slots holding a recognisable stale drop each.
ApparatusState staleTable(int dropCount)
{
    ApparatusState state = apparatus();
    for (int n = 1; n <= TableCapacity; ++n)
        place(state, n, -n, -1.5, 0, 0, 1);
    state.DropCount = dropCount;
    return state;
}

} // namespace

class TestDrops : public QObject {
    Q_OBJECT
private slots:
    void modes_data()
    {
        QTest::addColumn<DropMode>("mode");
        QTest::addColumn<QList<int>>("script"); // one drop's draws
        QTest::addColumn<QList<int>>("bounds"); // the n of each of one drop's draws
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("charge");
        QTest::addColumn<int>("radius");
        const QList<int> all {685, 271, 26, 4};
        QTest::addRow("variable, lowest draws")
            << DropMode::Variable << QList<int> {0, 0, 0, 0} << all << 30 << 30 << 10 << 4;
        QTest::addRow("variable, highest draws")
            << DropMode::Variable << QList<int> {684, 270, 25, 3} << all << 714 << 300 << -15 << 10;
        QTest::addRow("same radius") << DropMode::SameRadius << QList<int> {684, 25}
                                     << QList<int> {685, 26} << 714 << 165 << -15 << 4;
        QTest::addRow("same +ve charge") << DropMode::SamePositiveCharge << QList<int> {0, 3}
                                         << QList<int> {685, 4} << 30 << 165 << 6 << 10;
        QTest::addRow("same -ve charge") << DropMode::SameNegativeCharge << QList<int> {5, 1}
                                         << QList<int> {685, 4} << 35 << 165 << -4 << 6;
    }
    void modes()
    {
        QFETCH(DropMode, mode);
        QFETCH(QList<int>, script);
        QFETCH(QList<int>, bounds);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, charge);
        QFETCH(int, radius);
        ApparatusState state = staleTable(0);
        ScriptedRandom random(script);
        QVERIFY(addOil(state, mode, random));
        QCOMPARE(state.DropCount, 10);
        QList<int> expectedBounds;
        for (int n = 1; n <= 10; ++n) {
            expectedBounds << bounds;
            const Drop &drop = state.slot(n);
            QCOMPARE(drop.X, x);
            QCOMPARE(drop.Y, y);
            QCOMPARE(drop.Charge, charge);
            QCOMPARE(drop.Radius, radius);
            QCOMPARE(drop.Gone, 0);
            QCOMPARE(state.exactY(n), double(y));
        }
        QCOMPARE(random.bounds, expectedBounds);
    }

    void fillLevels_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<bool>("enabledBefore");
        QTest::addColumn<bool>("injected");
        QTest::addColumn<int>("after");
        QTest::addColumn<bool>("enabledAfter");
        QTest::addRow("empty table fills slots 1 to 10") << 0 << true << true << 10 << true;
        QTest::addRow("85 fills slots 86 to 95") << 85 << true << true << 95 << true;
        QTest::addRow("90 fills slots 91 to 100 and disables")
            << 90 << true << true << 100 << false;
        QTest::addRow("91 is ignored") << 91 << true << false << 91 << true;
        QTest::addRow("95 is ignored") << 95 << true << false << 95 << true;
        QTest::addRow("100 is ignored") << 100 << false << false << 100 << false;
    }
    void fillLevels()
    {
        QFETCH(int, before);
        QFETCH(bool, enabledBefore);
        QFETCH(bool, injected);
        QFETCH(int, after);
        QFETCH(bool, enabledAfter);
        ApparatusState state = staleTable(before);
        state.AddOilEnabled = enabledBefore;
        ScriptedRandom random({1, 2, 3, 0});
        QCOMPARE(addOil(state, DropMode::Variable, random), injected);
        QCOMPARE(state.DropCount, after);
        QCOMPARE(state.AddOilEnabled, enabledAfter);
        QCOMPARE(random.bounds.size(), injected ? 40 : 0);
        for (int n = 1; n <= TableCapacity; ++n) {
            const bool fresh = n > before && n <= after;
            QCOMPARE(state.slot(n).X, fresh ? 31 : -n);
            QCOMPARE(state.slot(n).Gone, fresh ? 0 : 1);
        }
    }

    void modeChangeBetweenClicks()
    {
        ApparatusState state = apparatus();
        SeededRandom random(7);
        QVERIFY(addOil(state, DropMode::Variable, random));
        const DropArray first = state.DropTable;
        QVERIFY(addOil(state, DropMode::SamePositiveCharge, random));
        QCOMPARE(state.DropCount, 20);
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(state.slot(n).X, first[n - 1].X);
            QCOMPARE(state.slot(n).Y, first[n - 1].Y);
            QCOMPARE(state.slot(n).Charge, first[n - 1].Charge);
            QCOMPARE(state.slot(n).Radius, first[n - 1].Radius);
        }
        for (int n = 11; n <= 20; ++n) {
            QCOMPARE(state.slot(n).Charge, 6);
            QCOMPARE(state.slot(n).Y, 165);
        }
    }

    void cleanUpEmptiesAndEnables()
    {
        ApparatusState state = apparatus();
        SeededRandom random(11);
        for (int click = 0; click < 10; ++click)
            QVERIFY(addOil(state, DropMode::SameRadius, random));
        QVERIFY(!state.AddOilEnabled);
        QVERIFY(!addOil(state, DropMode::SameRadius, random));
        cleanUp(state);
        QCOMPARE(state.DropCount, 0);
        QVERIFY(state.AddOilEnabled);
        QVERIFY(addOil(state, DropMode::SameRadius, random));
        QCOMPARE(state.DropCount, 10);
    }

    void variableModeCoversEveryValue()
    {
        ApparatusState state = apparatus();
        SeededRandom random(20240613);
        std::set<int> xs, ys, radii;
        std::map<int, int> charges;
        const int clicks = 2000;
        for (int click = 0; click < clicks; ++click) {
            if (state.DropCount == TableCapacity)
                cleanUp(state);
            QVERIFY(addOil(state, DropMode::Variable, random));
            for (int n = state.DropCount - 9; n <= state.DropCount; ++n) {
                xs.insert(state.slot(n).X);
                ys.insert(state.slot(n).Y);
                radii.insert(state.slot(n).Radius);
                ++charges[state.slot(n).Charge];
            }
        }
        // Every value of each range occurs, and nothing outside it.
        QCOMPARE(int(xs.size()), 685);
        QCOMPARE(*xs.begin(), 30);
        QCOMPARE(*xs.rbegin(), 714);
        QCOMPARE(int(ys.size()), 271);
        QCOMPARE(*ys.begin(), 30);
        QCOMPARE(*ys.rbegin(), 300);
        QCOMPARE(radii, (std::set<int> {4, 6, 8, 10}));
        QCOMPARE(int(charges.size()), 26);
        QCOMPARE(charges.begin()->first, -15);
        QCOMPARE(charges.rbegin()->first, 10);
        // The 26 charges are equally likely: each within 6 standard deviations of its share.
        const double expected = clicks * 10 / 26.0;
        for (const auto &[charge, count] : charges)
            QVERIFY2(std::abs(count - expected) < 6 * std::sqrt(expected),
                     qPrintable(QStringLiteral("charge %1: %2").arg(charge).arg(count)));
    }

    // What the apparatus view tells a screen reader: the drops still floating.
    void floatingDropsCount_data()
    {
        QTest::addColumn<int>("dropCount");
        QTest::addColumn<QList<int>>("gone"); // Gone of slots 1, 2, ... in turn
        QTest::addColumn<int>("floating");
        QTest::addRow("empty table") << 0 << QList<int> {} << 0;
        QTest::addRow("all floating") << 3 << QList<int> {0, 0, 0} << 3;
        QTest::addRow("gone drops do not count") << 4 << QList<int> {0, 1, 0, 1} << 2;
        QTest::addRow("slots past the count do not count") << 2 << QList<int> {0, 0, 0, 0} << 2;
        QTest::addRow("a full table") << 100 << QList<int>(100, 0) << 100;
        QTest::addRow("a count past the table reads the table only")
            << 101 << QList<int>(100, 0) << 100;
        QTest::addRow("a negative count reads nothing") << -1 << QList<int> {0} << 0;
    }
    void floatingDropsCount()
    {
        QFETCH(int, dropCount);
        QFETCH(QList<int>, gone);
        QFETCH(int, floating);
        ApparatusState state;
        for (int i = 0; i < gone.size(); ++i)
            state.slot(i + 1).Gone = gone.at(i);
        state.DropCount = dropCount;
        QCOMPARE(floatingDrops(state), floating);
    }
};

QTEST_GUILESS_MAIN(TestDrops)
#include "test_drops.moc"
