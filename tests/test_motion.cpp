// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How far a drop moves in one step: the teachers' worked figures for each radius, the electric
// force's sign and size, and an independent estimate from Stokes' law.
#include "model_fixtures.h"
#include "step.h"

#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(korvane::Extended)

using namespace korvane;
using namespace korvane::fixtures;

namespace {

struct Supply {
    int32_t polarity = +1;
    int32_t on = 0;
    int32_t setting = 0;
};

constexpr double MidHeight = 165.0;

/// Where one drop, alone between the plates and starting at mid-height, is after one step.
double exactYAfterStep(int32_t radius, int32_t charge, Supply supply = {})
{
    ApparatusState state = apparatus();
    state.Polarity = supply.polarity;
    state.VoltageOn = supply.on;
    state.VoltageSetting = supply.setting;
    state.DropCount = 1;
    place(state, 1, 100, MidHeight, radius, charge);
    step(state);
    return state.exactY(1);
}

/// Pixels that the drop moves in that step.
double displacement(int32_t radius, int32_t charge, Supply supply = {})
{
    return exactYAfterStep(radius, charge, supply) - MidHeight;
}

constexpr Supply FiftyVolts {+1, 1, 5000};

} // namespace

class TestMotion : public QObject {
    Q_OBJECT
private slots:
    void table_data()
    {
        QTest::addColumn<int>("radius");
        QTest::addColumn<double>("falling");
        QTest::addColumn<double>("perCharge");
        QTest::addColumn<double>("balanceVolts");
        QTest::addColumn<double>("balanceDigit");
        // Bit for bit, the position after one step with one charge at 50 V, as a separate
        // program worked it out in the published order of operations and 80-bit arithmetic; a
        // change in that order shows here and not in the printed figures.
        QTest::addColumn<double>("afterFiftyVolts");
        QTest::addRow("radius 4") << 4 << 0.49697 << 1.77060 << 14.034 << 0.001
                                  << 0x1.4e88fe9fdf63ep+7;
        QTest::addRow("radius 6") << 6 << 1.11818 << 1.18040 << 47.364 << 0.001
                                  << 0x1.4e98df5e29ccbp+7;
        QTest::addRow("radius 8") << 8 << 1.98788 << 0.88530 << 112.27 << 0.01
                                  << 0x1.4fbf10c8b20bbp+7;
        QTest::addRow("radius 10")
            << 10 << 3.10606 << 0.70824 << 219.28 << 0.01 << 0x1.51a0eb47f5f88p+7;
    }
    void table()
    {
        QFETCH(int, radius);
        QFETCH(double, falling);
        QFETCH(double, perCharge);
        QFETCH(double, balanceVolts);
        QFETCH(double, balanceDigit);
        QFETCH(double, afterFiftyVolts);
        const double fall = displacement(radius, 0);
        QVERIFY2(std::abs(fall - falling) < 5e-6, qPrintable(QString::number(fall, 'f', 8)));
        const double down = displacement(radius, +1, FiftyVolts) - fall;
        QVERIFY2(std::abs(down - perCharge) < 5e-6, qPrintable(QString::number(down, 'f', 8)));
        // A negative charge is pushed up by the same amount.
        const double up = displacement(radius, -1, FiftyVolts) - fall;
        QVERIFY(std::abs(up + down) < 1e-12);
        // The force grows with the charge.
        const double five = displacement(radius, 5, FiftyVolts) - fall;
        QVERIFY(std::abs(five - 5 * down) < 1e-10);
        // One opposing charge balances the weight where the field's push equals the fall.
        const double volts = 50.0 * fall / down;
        QVERIFY2(std::abs(volts - balanceVolts) < balanceDigit / 2,
                 qPrintable(QString::number(volts, 'f', 5)));
        // QCOMPARE would allow a few units in the last place.
        const double after = exactYAfterStep(radius, +1, FiftyVolts);
        QVERIFY2(after == afterFiftyVolts, qPrintable(QString::asprintf("%a", after)));
    }

    void hanging_data()
    {
        QTest::addColumn<int>("radius");
        QTest::addColumn<int>("charge");
        QTest::addColumn<int>("setting");
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("tolerance");
        QTest::addRow("radius 4, one charge at 14.03 V") << 4 << -1 << 1403 << 0.00014 << 5e-6;
        QTest::addRow("radius 6, one charge at 47.36 V") << 6 << -1 << 4736 << 0.0 << 1e-3;
        QTest::addRow("fastest drop rises 26.06 px") << 4 << -15 << 5000 << -26.06 << 5e-3;
    }
    void hanging()
    {
        QFETCH(int, radius);
        QFETCH(int, charge);
        QFETCH(int, setting);
        QFETCH(double, expected);
        QFETCH(double, tolerance);
        const double moved = displacement(radius, charge, {+1, 1, setting});
        QVERIFY2(std::abs(moved - expected) < tolerance,
                 qPrintable(QString::number(moved, 'f', 8)));
    }

    void polarityReverses_data()
    {
        QTest::addColumn<int>("radius");
        QTest::addColumn<int>("charge");
        QTest::addColumn<int>("setting");
        QTest::addRow("radius 4, +3 at 25 V") << 4 << 3 << 2500;
        QTest::addRow("radius 10, -15 at 50 V") << 10 << -15 << 5000;
        QTest::addRow("radius 6, +10 at 0.01 V") << 6 << 10 << 1;
    }
    void polarityReverses()
    {
        QFETCH(int, radius);
        QFETCH(int, charge);
        QFETCH(int, setting);
        const double fall = displacement(radius, 0);
        const double normal = displacement(radius, charge, {+1, 1, setting}) - fall;
        const double flipped = displacement(radius, charge, {-1, 1, setting}) - fall;
        QVERIFY(normal != 0.0);
        QVERIFY(std::abs(normal + flipped) < 1e-12);
    }

    void noField_data()
    {
        QTest::addColumn<int>("charge");
        QTest::addColumn<int>("polarity");
        QTest::addColumn<int>("on");
        QTest::addColumn<int>("setting");
        QTest::addRow("supply off at 50 V") << -15 << +1 << 0 << 5000;
        QTest::addRow("supply off, reversed") << 10 << -1 << 0 << 2500;
        QTest::addRow("supply on at 0 V") << 10 << +1 << 1 << 0;
        QTest::addRow("charge 0 at 50 V") << 0 << +1 << 1 << 5000;
        QTest::addRow("charge 0 at 50 V, reversed") << 0 << -1 << 1 << 5000;
    }
    void noField()
    {
        QFETCH(int, charge);
        QFETCH(int, polarity);
        QFETCH(int, on);
        QFETCH(int, setting);
        for (int radius : {4, 6, 8, 10}) {
            ApparatusState neutral = apparatus();
            ApparatusState state = apparatus();
            state.Polarity = polarity;
            state.VoltageOn = on;
            state.VoltageSetting = setting;
            neutral.DropCount = state.DropCount = 1;
            place(neutral, 1, 100, 30.25, radius, 0);
            place(state, 1, 100, 30.25, radius, charge);
            for (int n = 0; n < 50; ++n) {
                step(neutral);
                step(state);
                QCOMPARE(state.exactY(1), neutral.exactY(1));
            }
        }
    }

    // Each constant is the 80-bit number nearest to its value; for 4/3 pi and 6 pi a decimal cut
    // short after 18 digits would sit some ten units in the last place below.
    void constantsAreTheNearest_data()
    {
        QTest::addColumn<Extended>("constant");
        QTest::addColumn<QByteArray>("value");
        QTest::addRow("g") << constants::Gravity << QByteArray("9.8");
        QTest::addRow("2 g") << constants::TwiceGravity << QByteArray("19.6");
        QTest::addRow("e") << constants::ElementaryCharge << QByteArray("1.602e-19");
        QTest::addRow("radius unit") << constants::RadiusUnit << QByteArray("1e-7");
        QTest::addRow("4/3 pi") << constants::SphereVolumeFactor
                                << QByteArray("4.18879020478639098461685784437267051");
        QTest::addRow("6 pi") << constants::StokesDragFactor
                              << QByteArray("18.8495559215387594307758602996770173");
    }
    void constantsAreTheNearest()
    {
        QFETCH(Extended, constant);
        QFETCH(QByteArray, value);
        const std::optional<Extended> nearest = fromDecimal(value.toStdString());
        QVERIFY(nearest && constant.identical(*nearest));
    }

    void fallTimeAgreesWithStokes()
    {
        // Stokes' law on its own, in double: v = 2 r^2 (rho_oil - rho_air) g / (9 eta) [m/s].
        const double r = 0.4e-6;
        const double v = 2.0 * r * r * (857.0 - 1.25) * 9.8 / (9.0 * 1.8e-5);
        const double pixelsPerStep = v * 0.1 /* s */ * 300.0 / 1e-3 /* px/m */;
        QVERIFY(std::abs(displacement(4, 0) - pixelsPerStep) < 1e-9 * pixelsPerStep);

        // One scale division is 30 px; a neutral drop of radius 4 crosses it in about 6 s.
        const int expectedSteps = static_cast<int>(std::ceil(30.0 / pixelsPerStep));
        QVERIFY(expectedSteps >= 60 && expectedSteps <= 61);
        ApparatusState state = apparatus();
        state.DropCount = 1;
        place(state, 1, 100, 30.0);
        int steps = 0;
        while (state.slot(1).Y < 60 && steps < 1000) {
            step(state);
            ++steps;
        }
        QCOMPARE(steps, expectedSteps);
    }
};

QTEST_GUILESS_MAIN(TestMotion)
#include "test_motion.moc"
