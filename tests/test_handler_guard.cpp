// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The one error mechanism: an error raised in a handler ends that handler, is shown once in the
// application's message box with a period added as the rule says, and the program carries on.
#include "charge_estimate.h"
#include "handler_guard.h"
#include "main_window.h"
#include "window_fixtures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <stdexcept>

using namespace korvane;

namespace {

// What the message box showed, read while it was open.
struct ShownBox {
    bool found = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons;
};

} // namespace

class TestHandlerGuard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Korvane")); }

    void periodRule_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::addRow("empty stays empty") << ""
                                           << "";
        QTest::addRow("a letter gets a period") << "abc"
                                                << "abc.";
        QTest::addRow("a period is not doubled") << "Invalid input."
                                                 << "Invalid input.";
        QTest::addRow("a blank is below the period") << "abc "
                                                     << "abc ";
        QTest::addRow("! is below the period") << "Overflow!"
                                               << "Overflow!";
        QTest::addRow(") is below the period") << "value (0)"
                                               << "value (0)";
        QTest::addRow("- is below the period") << "abc-"
                                               << "abc-";
        QTest::addRow(", is below the period") << "abc,"
                                               << "abc,";
        QTest::addRow("a tab is below the period") << "abc\t"
                                                   << "abc\t";
        QTest::addRow("/ is above the period") << "km/"
                                               << "km/.";
        QTest::addRow("a digit is above the period") << "code 0"
                                                     << "code 0.";
        QTest::addRow("a conversion error gets a period")
            << "'x' is not a valid floating point value"
            << "'x' is not a valid floating point value.";
        QTest::addRow("a letter beyond ASCII")
            << QString::fromUtf8("Fehler: Größe") << QString::fromUtf8("Fehler: Größe.");
    }
    void periodRule()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(withPeriod(message), shown);
    }

    void throwingHandlerEndsAndIsReportedOnce()
    {
        RecordingReporter reporter;
        int before = 0;
        int after = 0;
        runHandler([&] {
            ++before;
            throw std::runtime_error("Invalid floating point operation");
            ++after;
        });
        QCOMPARE(before, 1); // what the handler did before the error stays done
        QCOMPARE(after, 0);
        QCOMPARE(reporter.messages, QStringList {"Invalid floating point operation"});
    }

    void errorOfAnyKindIsReported()
    {
        RecordingReporter reporter;
        runHandler([] { throw 42; });
        QCOMPARE(reporter.messages.size(), 1);
        QVERIFY(!reporter.messages.first().isEmpty());
    }

    // The estimate's messages as the box shows them, with the text that failed filled in; a
    // message with nothing to fill in is shown as it is, without a complaint on the console.
    void estimateErrorsAsShown_data()
    {
        QTest::addColumn<QByteArray>("messageTemplate");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("shown");
        QTest::addRow("a text that is not a number")
            << QByteArray(estimate_messages::NotANumber) << "1,2,3"
            << "'1,2,3' is not a valid floating point value";
        QTest::addRow("an empty text") << QByteArray(estimate_messages::NotANumber) << ""
                                       << "'' is not a valid floating point value";
        QTest::addRow("division by zero") << QByteArray(estimate_messages::DivisionByZero) << ""
                                          << "Floating point division by zero";
        QTest::addRow("overflow") << QByteArray(estimate_messages::Overflow) << ""
                                  << "Floating point overflow";
    }
    void estimateErrorsAsShown()
    {
        QFETCH(QByteArray, messageTemplate);
        QFETCH(QString, argument);
        QFETCH(QString, shown);
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        RecordingReporter reporter;
        runHandler(
            [&] { throw EstimateError(messageTemplate.constData(), argument.toStdString()); });
        QCOMPARE(reporter.messages, QStringList {shown});
    }

    void handlerWithoutErrorReportsNothing()
    {
        RecordingReporter reporter;
        int ran = 0;
        runHandler([&] { ++ran; });
        QCOMPARE(ran, 1);
        QVERIFY(reporter.messages.isEmpty());
    }

    void reporterIsReplacedAndRestored()
    {
        QStringList outer;
        const ErrorReporter original =
            setErrorReporter([&](const QString &message) { outer << message; });
        {
            RecordingReporter inner;
            reportError(QStringLiteral("first"));
            QCOMPARE(inner.messages, QStringList {"first"});
        }
        reportError(QStringLiteral("second"));
        QCOMPARE(outer, QStringList {"second"});
        setErrorReporter(original);
    }

    // The main window keeps running its timer after a tick's handler failed, tick after tick.
    void programCarriesOnAfterThrowingHandlers()
    {
        RecordingReporter reporter;
        Tmilikanfrm window;
        auto *timer = window.findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer);
        connect(timer, &QTimer::timeout, &window,
                [] { runHandler([] { throw std::runtime_error("Tick failed"); }); });
        // Three ticks delivered as the timer delivers them, without waiting for real ones.
        for (int tick = 0; tick < 3; ++tick)
            QVERIFY(QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection));
        QVERIFY(timer->isActive());
        QCOMPARE(reporter.messages, QStringList(3, QStringLiteral("Tick failed")));
    }

    void defaultReporterShowsMessageBox()
    {
        const ErrorReporter previous = setErrorReporter({});
        ShownBox shown;
        // The box runs its own event loop; read it from there and close it with its OK button.
        QTimer reader;
        reader.setInterval(10);
        connect(&reader, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            reader.stop();
            shown.found = true;
            shown.title = box->windowTitle();
            shown.text = box->text();
            shown.icon = box->icon();
            for (QAbstractButton *button : box->buttons())
                shown.buttons << box->standardButton(button);
            box->button(QMessageBox::Ok)->click();
        });
        reader.start();
        runHandler([] { throw std::runtime_error("Division by zero"); });
        reader.stop();
        setErrorReporter(previous);

        QVERIFY(shown.found);
        QCOMPARE(shown.title, QStringLiteral("Korvane"));
        QCOMPARE(shown.text, QStringLiteral("Division by zero."));
        QCOMPARE(shown.icon, QMessageBox::Critical);
        QCOMPARE(shown.buttons, QList<QMessageBox::StandardButton> {QMessageBox::Ok});
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestHandlerGuard)
#include "test_handler_guard.moc"
