// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The charge estimate from a timed fall, the number texts it reads and the text it writes.
#include "apparatus_state.h"
#include "charge_estimate.h"
#include "extended.h"
#include "model_fixtures.h"

#include <QRegularExpression>
#include <QTest>

#include <clocale>
#include <cmath>
#include <functional>

using namespace korvane;

Q_DECLARE_METATYPE(korvane::Extended)

namespace {

ApparatusState apparatusAt(int voltageSetting)
{
    ApparatusState state = fixtures::apparatus();
    state.VoltageSetting = voltageSetting;
    return state;
}

// The message an operation raises, or an empty text when it raises none.
QString messageOf(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const EstimateError &error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

QString notANumber(const QString &text)
{
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

bool nearlyEqual(Extended a, Extended b)
{
    return (a - b).magnitude() <= Extended(1e-15) * b.magnitude();
}

// The number nearest to a decimal text, on every processor alike.
Extended number(const char *text)
{
    return *fromDecimal(text);
}

} // namespace

class TestChargeEstimate : public QObject {
    Q_OBJECT
private slots:
    void fixedFallAtEachVoltage_data()
    {
        QTest::addColumn<int>("voltageSetting");
        QTest::addColumn<QString>("text");
        QTest::addRow("50 V") << 5000 << "1.31835E-001";
        QTest::addRow("25 V") << 2500 << "2.63670E-001";
        QTest::addRow("1 V") << 100 << "6.59175E+000";
        QTest::addRow("0.01 V") << 1 << "6.59175E+002";
    }
    void fixedFallAtEachVoltage()
    {
        QFETCH(int, voltageSetting);
        QFETCH(QString, text);
        const auto n = estimateCharge(apparatusAt(voltageSetting), "10", "0.0001", ".");
        QVERIFY(n.has_value());
        QCOMPARE(QString::fromStdString(formatEstimate(*n, ".")), text);
    }

    void halvingTheVoltageDoublesTheEstimate_data()
    {
        QTest::addColumn<int>("voltageSetting");
        QTest::addRow("0.02 V to 0.01 V") << 2;
        QTest::addRow("0.74 V to 0.37 V") << 74;
        QTest::addRow("50 V to 25 V") << 5000;
    }
    void halvingTheVoltageDoublesTheEstimate()
    {
        QFETCH(int, voltageSetting);
        const auto full = estimateCharge(apparatusAt(voltageSetting), "10", "0.0001", ".");
        const auto half = estimateCharge(apparatusAt(voltageSetting / 2), "10", "0.0001", ".");
        QVERIFY(full && half);
        QVERIFY(nearlyEqual(*half, 2 * *full));
    }

    // r grows as the square root of the speed, so the charge as its power 1.5: a hundred times
    // the speed needs a thousand times the charge, over the whole range a double can hold.
    void chargeGrowsWithSpeedToThePowerOneAndAHalf_data()
    {
        QTest::addColumn<QByteArray>("distance");
        QTest::addRow("the fixed fall") << QByteArray("0.0001");
        QTest::addRow("near the largest speed") << QByteArray("1e306");
        QTest::addRow("the smallest normal speed") << QByteArray("2.2250738585072014e-308");
    }
    void chargeGrowsWithSpeedToThePowerOneAndAHalf()
    {
        QFETCH(QByteArray, distance);
        const ApparatusState state = apparatusAt(5000);
        const auto slow = estimateCharge(state, "1", distance.toStdString(), ".");
        const auto fast = estimateCharge(state, "0.01", distance.toStdString(), ".");
        QVERIFY(slow && fast);
        QVERIFY(fast->isFinite() && *slow > 0);
        QVERIFY((*fast / *slow - 1000).magnitude() < Extended(1e-9));
        const QRegularExpression shape(QStringLiteral("^\\d\\.\\d{5}E[+-]\\d{3,4}$"));
        QVERIFY(shape.match(QString::fromStdString(formatEstimate(*fast, "."))).hasMatch());
    }

    void ignoresTheSupplySwitchAndTheDrops()
    {
        ApparatusState state = apparatusAt(2500);
        const auto before = estimateCharge(state, "10", "0.0001", ".");
        state.VoltageOn = 1;
        state.DropCount = 2;
        state.slot(1) = {100, 40, -3, 8, 0};
        state.slot(2) = {200, 80, 5, 4, 1};
        const auto after = estimateCharge(state, "10", "0.0001", ".");
        QVERIFY(before && after);
        QCOMPARE(QString::fromStdString(formatEstimate(*before, ".")), "2.63670E-001");
        QVERIFY(*before == *after);
    }

    void nothingComputed_data()
    {
        QTest::addColumn<int>("voltageSetting");
        QTest::addColumn<QByteArray>("time");
        QTest::addColumn<QByteArray>("distance");
        QTest::addRow("slider at 0") << 0 << QByteArray("10") << QByteArray("0.0001");
        QTest::addRow("slider at 0, bad texts") << 0 << QByteArray("x") << QByteArray("y");
        QTest::addRow("empty time") << 5000 << QByteArray() << QByteArray("0.0001");
        QTest::addRow("empty time, bad distance") << 5000 << QByteArray() << QByteArray("y");
    }
    void nothingComputed()
    {
        QFETCH(int, voltageSetting);
        QFETCH(QByteArray, time);
        QFETCH(QByteArray, distance);
        std::optional<Extended> n = Extended(1);
        QCOMPARE(messageOf([&] {
                     n = estimateCharge(apparatusAt(voltageSetting), time.toStdString(),
                                        distance.toStdString(), ".");
                 }),
                 QString());
        QVERIFY(!n.has_value());
    }

    void faults_data()
    {
        QTest::addColumn<QByteArray>("time");
        QTest::addColumn<QByteArray>("distance");
        QTest::addColumn<QString>("message");
        const QString divisionByZero = estimate_messages::DivisionByZero;
        const QString invalid = estimate_messages::InvalidOperation;
        const QString overflow = estimate_messages::Overflow;
        QTest::addRow("bad time reported before bad distance")
            << QByteArray("ten") << QByteArray("far") << notANumber("ten");
        QTest::addRow("bad distance")
            << QByteArray("10") << QByteArray("0.0001 m") << notANumber("0.0001 m");
        QTest::addRow("empty distance") << QByteArray("10") << QByteArray() << notANumber("");
        QTest::addRow("blank time is not empty")
            << QByteArray(" ") << QByteArray("0.0001") << notANumber(" ");
        QTest::addRow("time 0") << QByteArray("0") << QByteArray("0.0001") << divisionByZero;
        QTest::addRow("time -0") << QByteArray("-0") << QByteArray("0.0001") << divisionByZero;
        QTest::addRow("time 0, negative distance")
            << QByteArray("0") << QByteArray("-1") << divisionByZero;
        QTest::addRow("time and distance 0") << QByteArray("0") << QByteArray("0") << invalid;
        QTest::addRow("distance 0") << QByteArray("10") << QByteArray("0") << divisionByZero;
        QTest::addRow("distance -0") << QByteArray("10") << QByteArray("-0") << divisionByZero;
        QTest::addRow("drop rising") << QByteArray("10") << QByteArray("-0.0001") << invalid;
        QTest::addRow("time negative") << QByteArray("-10") << QByteArray("0.0001") << invalid;
        QTest::addRow("time beyond the range")
            << QByteArray("1e5000") << QByteArray("1") << notANumber("1e5000");
        QTest::addRow("time too small reads as 0")
            << QByteArray("1e-5000") << QByteArray("1") << divisionByZero;
        QTest::addRow("speed beyond a double")
            << QByteArray("1e-300") << QByteArray("1e300") << overflow;
        QTest::addRow("speed beyond the 80-bit range")
            << QByteArray("1e-4000") << QByteArray("1e4000") << overflow;
        QTest::addRow("speed below a double is 0")
            << QByteArray("1e300") << QByteArray("1e-300") << divisionByZero;
    }
    void faults()
    {
        QFETCH(QByteArray, time);
        QFETCH(QByteArray, distance);
        QFETCH(QString, message);
        QCOMPARE(messageOf([&] {
                     estimateCharge(apparatusAt(5000), time.toStdString(), distance.toStdString(),
                                    ".");
                 }),
                 message);
    }

    // Just below the speeds that overflow a double, and just above those that become 0.
    void extremeSpeedsStillGiveAText_data()
    {
        QTest::addColumn<QByteArray>("distance");
        QTest::addRow("largest double") << QByteArray("1.7976931348623157e308");
        QTest::addRow("smallest subnormal double") << QByteArray("4.9406564584124654e-324");
    }
    void extremeSpeedsStillGiveAText()
    {
        QFETCH(QByteArray, distance);
        const auto n = estimateCharge(apparatusAt(1), "1", distance.toStdString(), ".");
        QVERIFY(n && n->isFinite() && *n > 0);
        const QRegularExpression shape(QStringLiteral("^\\d\\.\\d{5}E[+-]\\d{3}$"));
        QVERIFY(shape.match(QString::fromStdString(formatEstimate(*n, "."))).hasMatch());
    }

    // Accepted texts with their values, and rejected ones, under the user's decimal separator.
    void numberText_data()
    {
        QTest::addColumn<QByteArray>("separator");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        const auto accepted = [](const char *name, const char *separator, const QByteArray &text,
                                 double value) {
            QTest::addRow("%s", name) << QByteArray(separator) << text << true << value;
        };
        const auto rejected = [](const char *name, const char *separator, const QByteArray &text) {
            QTest::addRow("%s", name) << QByteArray(separator) << text << false << 0.0;
        };
        accepted("digits", ".", "12", 12.0);
        accepted("spaces around", ".", "  12 ", 12.0);
        accepted("plus sign", ".", "+1.5", 1.5);
        accepted("no digit before the point", ".", "-.5", -0.5);
        accepted("no digit after the point", ".", "1.", 1.0);
        accepted("leading zeros", ".", "007", 7.0);
        accepted("small e", ".", "1e5", 1e5);
        accepted("capital E, negative", ".", "1E-3", 1e-3);
        accepted("exponent with plus", ".", " -2.5E+2 ", -250.0);
        accepted("long exponent", ".", "1e0000000000000000000003", 1e3);
        accepted("zero with a huge exponent", ".", "0e999999999999", 0.0);
        accepted("many digits", ".", QByteArray(400, '9') + "e-400", 1.0);
        rejected("empty", ".", "");
        rejected("spaces only", ".", "   ");
        rejected("point only", ".", ".");
        rejected("sign only", ".", "-");
        rejected("two points", ".", "1..2");
        rejected("two separated points", ".", "1.2.3");
        rejected("two signs", ".", "+-1");
        rejected("exponent without digits", ".", "1e");
        rejected("exponent sign without digits", ".", "1e+");
        rejected("exponent without mantissa", ".", "e5");
        rejected("point in the exponent", ".", "1e5.5");
        rejected("space inside", ".", "1 2");
        rejected("tab before", ".", "\t1");
        rejected("unit after", ".", "10s");
        rejected("hexadecimal", ".", "0x10");
        rejected("infinity", ".", "inf");
        rejected("not a number", ".", "nan");
        rejected("comma under a point", ".", "1,5");
        rejected("arabic-indic one", ".", "\u0661");
        rejected("fullwidth one", ".", "\uff11");
        rejected("beyond the range", ".", "1e4933");
        rejected("beyond the range, negative", ".", "-1e99999999999");
        accepted("comma: the distance", ",", "0,0001", 0.0001);
        accepted("comma: exponent", ",", "1,5e3", 1500.0);
        rejected("comma: point fails", ",", "0.0001");
        rejected("comma: two commas", ",", "1,,5");
        accepted("arabic: two-byte separator", "\u066b", "1\u066b5", 1.5);
        rejected("arabic: half a separator", "\u066b", "1\xd9");
        rejected("arabic: point fails", "\u066b", "1.5");
        accepted("none set: point", "", "2.5", 2.5);
    }
    void numberText()
    {
        QFETCH(QByteArray, separator);
        QFETCH(QByteArray, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        Extended parsed;
        const QString message = messageOf(
            [&] { parsed = parseNumberText(text.toStdString(), separator.toStdString()); });
        if (valid) {
            QCOMPARE(message, QString());
            QCOMPARE(parsed.toDouble(), value);
        } else {
            QCOMPARE(message, notANumber(QString::fromUtf8(text)));
        }
    }

    void estimateInTheUsersNotation()
    {
        const auto n = estimateCharge(apparatusAt(5000), "10", "0,0001", ",");
        QVERIFY(n.has_value());
        QCOMPARE(QString::fromStdString(formatEstimate(*n, ",")), "1,31835E-001");
        QCOMPARE(messageOf([] { estimateCharge(apparatusAt(5000), "10", "0.0001", ","); }),
                 notANumber("0.0001"));
    }

    // The process's C locale must not change how the texts are read or written.
    void independentOfTheProcessLocale()
    {
        // A fresh Linux machine has no German locale generated; CTest makes one (LOCPATH), so
        // that the C library really reads and writes numbers with a decimal comma here. The
        // Windows C library knows the locale by its own names.
        const std::string previous = std::setlocale(LC_ALL, nullptr);
        bool german = false;
        for (const char *name : {"de_DE.UTF-8", "de-DE", "German_Germany.1252"})
            german = german || std::setlocale(LC_ALL, name);
        QVERIFY2(german, "no German locale: run through CTest, which makes it with localedef");
        const std::string comma = std::localeconv()->decimal_point;
#ifdef __EMSCRIPTEN__
        // The browser's C library takes every locale's name and writes every number alike.
        if (comma != ",") {
            std::setlocale(LC_ALL, previous.c_str());
            QSKIP("the C library of a WebAssembly build has no locale with a decimal comma");
        }
#endif
        const Extended parsed = parseNumberText("0.0001", ".");
        const auto n = estimateCharge(apparatusAt(5000), "10", "0.0001", ".");
        const std::string text = n ? formatEstimate(*n, ".") : std::string();
        std::setlocale(LC_ALL, previous.c_str());
        QCOMPARE(comma, std::string(","));
        QCOMPARE(parsed.toDouble(), 0.0001);
        QCOMPARE(QString::fromStdString(text), "1.31835E-001");
    }

    void format_data()
    {
        QTest::addColumn<Extended>("n");
        QTest::addColumn<QByteArray>("separator");
        QTest::addColumn<QString>("text");
        QTest::addRow("sixteen") << number("16.0") << QByteArray(".") << "1.60000E+001";
        QTest::addRow("fraction") << number("0.131835097") << QByteArray(".") << "1.31835E-001";
        QTest::addRow("one") << number("1.0") << QByteArray(".") << "1.00000E+000";
        QTest::addRow("negative") << number("-16.0") << QByteArray(".") << "-1.60000E+001";
        QTest::addRow("rounds down") << number("9.999994") << QByteArray(".") << "9.99999E+000";
        QTest::addRow("rounding carries into the exponent")
            << number("9.999995") << QByteArray(".") << "1.00000E+001";
        QTest::addRow("carry to 1E-001")
            << number("0.09999996") << QByteArray(".") << "1.00000E-001";
        QTest::addRow("exponent 100") << number("1.5e100") << QByteArray(".") << "1.50000E+100";
        QTest::addRow("exponent -150") << number("2.5e-150") << QByteArray(".") << "2.50000E-150";
        QTest::addRow("exponent 1000") << number("1e1000") << QByteArray(".") << "1.00000E+1000";
        QTest::addRow("exponent -4000")
            << number("-3e-4000") << QByteArray(".") << "-3.00000E-4000";
        QTest::addRow("zero") << number("0.0") << QByteArray(".") << "0.00000E+000";
        QTest::addRow("negative zero") << number("-0.0") << QByteArray(".") << "0.00000E+000";
        QTest::addRow("comma") << number("16.0") << QByteArray(",") << "1,60000E+001";
        QTest::addRow("two-byte separator")
            << number("16.0") << QByteArray("\u066b") << "1\u066b60000E+001";
    }
    void format()
    {
        QFETCH(Extended, n);
        QFETCH(QByteArray, separator);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(formatEstimate(n, separator.toStdString())), text);
    }

    void formatRefusesNonFiniteValues()
    {
        const QString invalid = estimate_messages::InvalidOperation;
        const QString overflow = estimate_messages::Overflow;
        const Extended infinity = Extended::infinity();
        QCOMPARE(messageOf([&] { formatEstimate(infinity, "."); }), overflow);
        QCOMPARE(messageOf([&] { formatEstimate(-infinity, "."); }), overflow);
        QCOMPARE(messageOf([] { formatEstimate(Extended::invalid(), "."); }), invalid);
    }
};

QTEST_GUILESS_MAIN(TestChargeEstimate)
#include "test_charge_estimate.moc"
