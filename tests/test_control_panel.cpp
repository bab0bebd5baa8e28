// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The control panel and the menu commands of the main window, driven as a student drives
// them: the supply and the voltage slider, Flip Voltage, the stopwatch, Freeze Screen, Copy,
// the two dialogs and the start-up reset. The keyboard's own ways are test_keyboard_route's.
#include "main_window.h"
#include "picture_colours.h"
#include "scripted_random.h"
#include "window_fixtures.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolButton>

using namespace korvane;

namespace {

using namespace korvane::colours;

// Every drop of a click: X 35, Y 32, Radius 4, no charge.
std::unique_ptr<RandomSource> fixedDrops()
{
    return std::make_unique<ScriptedRandom>(QList<int> {5, 2, 10, 0});
}

// Runs `whileOpen` once the modal dialog opened by `open` is showing, then closes it.
template<class Open, class WhileOpen>
bool withModalDialog(Open open, WhileOpen whileOpen, int afterMs = 0)
{
    bool seen = false;
    QTimer::singleShot(afterMs, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        QWidget *dialog = QApplication::activeModalWidget();
        seen = true;
        whileOpen(dialog);
        if (auto *box = qobject_cast<QDialog *>(dialog))
            box->reject();
    });
    open();
    return seen;
}

} // namespace

class TestControlPanel : public QObject {
    Q_OBJECT

    std::unique_ptr<Tmilikanfrm> window;
    std::unique_ptr<RecordingReporter> errors;

    template<class T = QWidget> T *find(const char *name) { return control<T>(*window, name); }
    void click(const char *name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    QString text(const char *name)
    {
        if (auto *button = window->findChild<QAbstractButton *>(QLatin1String(name)))
            return button->text();
        return find<QLabel>(name)->text();
    }
    QAction *action(const char *name) { return window->findChild<QAction *>(QLatin1String(name)); }
    // One tick of the step timer, whatever the timer's state.
    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            window->Timer1Timer();
    }
    void freeze()
    {
        if (find<QTimer>("Timer1")->isActive())
            click("freezebt");
    }
    void pressAlt(Qt::Key key)
    {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keyClick(target, key, Qt::AltModifier);
    }

private slots:
    void init()
    {
        errors = std::make_unique<RecordingReporter>();
        window = std::make_unique<Tmilikanfrm>(fixedDrops());
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup()
    {
        if (window)
            VERIFY_CONTROLS_MIRROR_STATE(*window);
        window.reset();
        QVERIFY2(errors->messages.isEmpty(), qPrintable(errors->messages.join(QLatin1Char('\n'))));
        errors.reset();
    }

    // ---- The supply ---------------------------------------------------------------------------

    void supplySwitchesOnAndOff()
    {
        QVERIFY(!find("voltsb")->isEnabled());
        click("onoff");
        QCOMPARE(window->state().VoltageOn, 1);
        QCOMPARE(text("onoff"), QStringLiteral("&Off"));
        VERIFY_CONTROLS_MIRROR_STATE(*window);

        find<QScrollBar>("voltsb")->setValue(1250);
        click("onoff");
        // Off keeps the setting and its text, shown in silver.
        QCOMPARE(window->state().VoltageOn, 0);
        QCOMPARE(window->state().VoltageSetting, 1250);
        QCOMPARE(text("voltlb"), QStringLiteral("12.5 V"));
        VERIFY_CONTROLS_MIRROR_STATE(*window);

        // On again: the slider comes back at its position, with no change raised.
        QSignalSpy changes(find<QScrollBar>("voltsb"), &QScrollBar::valueChanged);
        click("onoff");
        QCOMPARE(find<QScrollBar>("voltsb")->value(), 1250);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(text("voltlb"), QStringLiteral("12.5 V"));
    }

    void supplySwitchZeroesTheStopwatchButNotItsText()
    {
        freeze();
        click("startbt");
        tick(5);
        QCOMPARE(text("timerlb"), QStringLiteral("0.5 s"));
        click("startbt");
        click("onoff");
        QCOMPARE(window->state().StopwatchTenths, 0);
        QCOMPARE(text("timerlb"), QStringLiteral("0.5 s"));
        click("startbt");
        tick();
        QCOMPARE(text("timerlb"), QStringLiteral("0.1 s"));
    }

    // ---- The voltage slider -------------------------------------------------------------------

    void voltageLabel_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("label");
        QTest::addRow("hundredth") << 1 << "0.01 V";
        QTest::addRow("five hundredths") << 5 << "0.05 V";
        QTest::addRow("a tenth, no trailing zero") << 10 << "0.1 V";
        QTest::addRow("two decimals") << 1234 << "12.34 V";
        QTest::addRow("one decimal") << 1250 << "12.5 V";
        QTest::addRow("whole volts") << 4900 << "49 V";
        QTest::addRow("the top") << 5000 << "50 V";
        QTest::addRow("beyond the top clamps") << 99999 << "50 V";
    }
    void voltageLabel()
    {
        QFETCH(int, position);
        QFETCH(QString, label);
        click("onoff");
        find<QScrollBar>("voltsb")->setValue(position);
        QCOMPARE(text("voltlb"), label);
        find<QScrollBar>("voltsb")->setValue(0);
        QCOMPARE(text("voltlb"), QStringLiteral("0 V"));
    }

    void sliderDoesNotMoveWhileTheSupplyIsOff()
    {
        auto *voltsb = find<QScrollBar>("voltsb");
        QTest::keyClick(voltsb, Qt::Key_End);
        QTest::mouseClick(voltsb, Qt::LeftButton, {}, QPoint(80, 8));
        QCOMPARE(window->state().VoltageSetting, 0);
        QCOMPARE(text("voltlb"), QStringLiteral("0 V"));
    }

    void sameSliderPositionRaisesNothing()
    {
        click("onoff");
        auto *voltsb = find<QScrollBar>("voltsb");
        voltsb->setValue(2500);
        auto *label1 = find<QLabel>("Label1");
        label1->setText(QStringLiteral("marker"));
        voltsb->setValue(2500);
        QCOMPARE(label1->text(), QStringLiteral("marker"));
    }

    void estimateFollowsTheSlider_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("estimate");
        // The estimate's figures at each voltage are the model's test's; these follow the
        // slider's hundredths into it, at the two ends of the scale's decades.
        QTest::addRow("1 V") << 100 << "6.59175E+000";
        QTest::addRow("0.01 V") << 1 << "6.59175E+002";
    }
    void estimateFollowsTheSlider()
    {
        QFETCH(int, position);
        QFETCH(QString, estimate);
        QCOMPARE(text("Label1"), QStringLiteral("Time"));
        click("onoff");
        find<QScrollBar>("voltsb")->setValue(position);
        QCOMPARE(text("Label1"), estimate);
        // Back to 0 the estimate is left as it was; switching off neither clears nor redoes it.
        find<QScrollBar>("voltsb")->setValue(0);
        QCOMPARE(text("Label1"), estimate);
        click("onoff");
        QCOMPARE(text("Label1"), estimate);
    }

    void estimateErrorsReachTheErrorBox()
    {
        click("onoff");
        find<QScrollBar>("voltsb")->setValue(100);
        find<QLineEdit>("distxt")->setText(QStringLiteral("abc"));
        QCOMPARE(errors->messages,
                 QStringList {QStringLiteral("'abc' is not a valid floating point value")});
        QCOMPARE(text("Label1"), QStringLiteral("6.59175E+000"));
        // The voltage label is rewritten before the estimate fails.
        find<QScrollBar>("voltsb")->setValue(200);
        QCOMPARE(text("voltlb"), QStringLiteral("2 V"));
        QCOMPARE(errors->messages.size(), 2);
        errors->messages.clear();
    }

    void commaLocaleReadsItsOwnFixedDistance()
    {
        // Under German settings the fixed fall of 0.1 mm still reads, and every number the
        // student sees takes the comma.
        window.reset();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        window = std::make_unique<Tmilikanfrm>(fixedDrops());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        click("onoff");
        find<QScrollBar>("voltsb")->setValue(1234);
        QCOMPARE(text("voltlb"), QStringLiteral("12,34 V"));
        QCOMPARE(text("Label1"), QStringLiteral("5,34178E-001"));
        find<QScrollBar>("voltsb")->setValue(5000);
        QCOMPARE(text("Label1"), QStringLiteral("1,31835E-001"));
        QCOMPARE(find<QLineEdit>("distxt")->text(), QStringLiteral("0,0001"));
        // The stopwatch writes its own point.
        click("startbt");
        tick(12);
        QCOMPARE(text("timerlb"), QStringLiteral("1.2 s"));
        QLocale::setDefault(QLocale::c());
    }

    // ---- Flip Voltage -------------------------------------------------------------------------

    void flipWhileFrozenShowsAtTheNextRedraw()
    {
        freeze();
        const QImage &picture = window->renderer().apparatusPicture();
        // How many rows of a band beside the plates hold red: a "+" spans many, a "_" one or two.
        auto redRows = [&picture](int from, int to) {
            int rows = 0;
            for (int y = from; y < to; ++y) {
                bool red = false;
                for (int x = 5; x < 30; ++x)
                    red = red || picture.pixel(x, y) == Red;
                rows += red;
            }
            return rows;
        };
        // Upper plate positive: "+" in the band at the top, "_" in the one at the bottom.
        QVERIFY(redRows(0, 30) > 8);
        QVERIFY(redRows(300, 336) < 4);
        click("flipcb");
        QCOMPARE(window->state().Polarity, -1);
        QVERIFY(redRows(0, 30) > 8);
        QVERIFY(redRows(300, 336) < 4);
        click("Scalebx"); // a redraw
        QVERIFY(redRows(0, 30) < 4);
        QVERIFY(redRows(300, 336) > 8);
        click("flipcb");
        QCOMPARE(window->state().Polarity, 1);
        click("Scalebx");
    }

    // ---- The stopwatch ------------------------------------------------------------------------

    void stopwatchCountsOnlyWhileRunning()
    {
        freeze();
        tick(3);
        QCOMPARE(text("timerlb"), QStringLiteral("0.0 s"));
        click("startbt");
        QCOMPARE(text("startbt"), QStringLiteral("&Stop"));
        tick(9);
        QCOMPARE(text("timerlb"), QStringLiteral("0.9 s"));
        tick();
        QCOMPARE(text("timerlb"), QStringLiteral("1.0 s"));
        click("startbt");
        tick(4);
        QCOMPARE(text("timerlb"), QStringLiteral("1.0 s"));
        click("startbt"); // goes on from the time shown
        tick();
        QCOMPARE(text("timerlb"), QStringLiteral("1.1 s"));
    }

    void resetWhileRunningCountsOnFromZero()
    {
        freeze();
        click("startbt");
        tick(25);
        click("resetbt");
        QCOMPARE(text("timerlb"), QStringLiteral("0.0 s"));
        QVERIFY(window->state().StopwatchRunning);
        tick();
        QCOMPARE(text("timerlb"), QStringLiteral("0.1 s"));
    }

    // ---- Freeze Screen ------------------------------------------------------------------------

    void freezeStopsDropsAndStopwatch()
    {
        click("Addbt");
        click("startbt");
        QTRY_VERIFY(window->state().StopwatchTenths >= 2);
        click("freezebt");
        QCOMPARE(text("freezebt"), QStringLiteral("Un&Freeze Screen"));
        const ApparatusState frozen = window->state();
        // The step timer drives both the drops and the stopwatch: stopped, nothing moves.
        QVERIFY(!control<QTimer>(*window, "Timer1")->isActive());

        click("freezebt");
        QCOMPARE(text("freezebt"), QStringLiteral("&Freeze Screen"));
        QTRY_VERIFY(window->state().StopwatchTenths > frozen.StopwatchTenths);
        QVERIFY(window->state().exactY(1) > frozen.exactY(1));
    }

    void whileFrozenTheOtherControlsStillWork()
    {
        freeze();
        click("Addbt");
        QCOMPARE(window->state().DropCount, 10);
        const QImage withDrops = window->renderer().apparatusPicture().copy();
        click("Resetb");
        // Clean Up empties the table at once, the picture at the next redraw.
        QCOMPARE(window->state().DropCount, 0);
        QCOMPARE(window->renderer().apparatusPicture(), withDrops);
        click("onoff");
        click("startbt");
        QCOMPARE(window->state().VoltageOn, 1);
        QVERIFY(window->state().StopwatchRunning);
        click("Addbt");
        QCOMPARE(window->state().DropCount, 10);
    }

    // ---- Copy ---------------------------------------------------------------------------------

    void copyPutsThePictureOnTheClipboard()
    {
        click("Addbt");
        freeze();
        QApplication::clipboard()->setText(QStringLiteral("something else"));
        action("Copy2")->trigger();
        const QImage copied = QApplication::clipboard()->image();
        QCOMPARE(copied.size(), QSize(765, 336));
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
                 window->renderer().apparatusPicture());
        // Frozen, later copies are the same picture.
        QTest::qWait(250);
        action("Copy1")->trigger();
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 copied.convertToFormat(QImage::Format_RGB32));
    }

    void controlC_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addRow("check box") << "Scalebx";
        QTest::addRow("push button") << "Addbt";
        QTest::addRow("slider") << "voltsb";
        QTest::addRow("the polarity box") << "flipcb";
        QTest::addRow("wrapping button") << "freezebt";
    }
    void controlC()
    {
        QFETCH(QString, focus);
        click("onoff"); // the slider takes the focus only while the supply is on
        QWidget *widget = find(focus.toLatin1().constData());
        widget->setFocus();
        QCOMPARE(QApplication::focusWidget(), widget);
        QApplication::clipboard()->setText(QStringLiteral("something else"));
        QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->image().size(), QSize(765, 336));
    }

    void printDoesNothing()
    {
        QVERIFY(!action("Print1")->isEnabled());
        QVERIFY(!action("Print2")->isEnabled());
        const ApparatusState before = window->state();
        QTest::keyClick(find("Addbt"), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(window->state().DropCount, before.DropCount);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // ---- The dialogs --------------------------------------------------------------------------

    void dialogsLeaveEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addRow("Show constants") << "Showconstants1";
        QTest::addRow("About") << "about1";
    }
    void dialogsLeaveEverythingAsItWas()
    {
        QFETCH(QString, item);
        click("Addbt");
        click("onoff");
        find<QScrollBar>("voltsb")->setValue(700);
        click("flipcb");
        click("startbt");
        const int countBefore = window->state().StopwatchTenths;
        const double yBefore = window->state().exactY(1);

        // The timer ticks on behind the dialog: drops move and the stopwatch counts.
        int countWhileOpen = 0;
        QVERIFY(withModalDialog([&] { action(item.toLatin1().constData())->trigger(); },
                                [&](QWidget *) {
                                    QTRY_VERIFY(window->state().StopwatchTenths >= countBefore + 2);
                                    countWhileOpen = window->state().StopwatchTenths;
                                }));
        QVERIFY(countWhileOpen >= countBefore + 2);
        QVERIFY(window->state().exactY(1) != yBefore);

        QCOMPARE(window->state().DropCount, 10);
        QCOMPARE(window->state().VoltageOn, 1);
        QCOMPARE(window->state().VoltageSetting, 700);
        QCOMPARE(window->state().Polarity, -1);
        QVERIFY(window->state().StopwatchRunning);
        QVERIFY(find<QTimer>("Timer1")->isActive());

        // Frozen before opening, frozen after closing.
        freeze();
        QVERIFY(withModalDialog([&] { action(item.toLatin1().constData())->trigger(); },
                                [](QWidget *) {}));
        QVERIFY(!find<QTimer>("Timer1")->isActive());
        QCOMPARE(window->state().DropCount, 10);
    }

    void aboutBoxFromTheHelpMenu()
    {
        // The box's own texts are the dialogs' test's; here, that it is the box that opens.
        QString caption;
        QVERIFY(withModalDialog([&] { action("about1")->trigger(); },
                                [&](QWidget *box) { caption = box->windowTitle(); }));
        QCOMPARE(caption, QStringLiteral("Korvane About"));
    }

    // ---- The start-up reset -------------------------------------------------------------------

    void startUpResetsEverythingOnce()
    {
        // Everything a student can change, changed.
        click("Addbt");
        click("onoff");
        find<QScrollBar>("voltsb")->setValue(1000);
        click("flipcb");
        click("startbt");
        tick(3);
        click("threadcb");
        QTest::mouseClick(find("capacitor"), Qt::LeftButton, {}, QPoint(300, 100));
        click("Scalebx");
        click("freezebt");

        QString caption;
        QVERIFY(withModalDialog([&] { window->startUp(); },
                                [&](QWidget *box) { caption = box->windowTitle(); }));
        QCOMPARE(caption, QStringLiteral("Korvane About"));

        const ApparatusState &state = window->state();
        QCOMPARE(state.ThreadX, 0);
        QVERIFY(find<QCheckBox>("Scalebx")->isChecked());
        QCOMPARE(state.DropCount, 0);
        QCOMPARE(state.VoltageOn, 0);
        QVERIFY(!state.StopwatchRunning);
        QCOMPARE(state.StopwatchTenths, 0);
        QCOMPARE(text("timerlb"), QStringLiteral("0.0 s"));
        QCOMPARE(state.VoltageSetting, 0);
        QCOMPARE(text("voltlb"), QStringLiteral("0 V"));
        QCOMPARE(state.Polarity, 1);
        QVERIFY(find<QTimer>("Timer1")->isActive());
        VERIFY_CONTROLS_MIRROR_STATE(*window);

        // Never again in the run: no second reset, no second About box.
        click("Addbt");
        bool opened = false;
        QTimer::singleShot(200, [&] {
            if (auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                opened = true;
                modal->reject();
            }
        });
        window->startUp();
        QTest::qWait(300);
        QVERIFY(!opened);
        QCOMPARE(window->state().DropCount, 10);
    }

    void minimisingAndRestoringChangesNothing()
    {
        click("Addbt");
        click("onoff");
        window->showMinimized();
        QTRY_VERIFY(window->isMinimized());
        window->showNormal();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCOMPARE(window->state().DropCount, 10);
        QCOMPARE(window->state().VoltageOn, 1);
    }

    void focusPassingToAnotherWindowOfTheProgramCleansUp()
    {
        click("Addbt");
        // A modal window of the program does not count.
        QDialog modal(window.get());
        modal.setModal(true);
        modal.show();
        QVERIFY(QTest::qWaitForWindowActive(&modal));
        QCOMPARE(window->state().DropCount, 10);
        modal.hide();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));

        // A window of the program's own that is not modal does.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTRY_COMPARE(window->state().DropCount, 0);
        QVERIFY(find("Addbt")->isEnabled());
    }

    // ---- Leaving ------------------------------------------------------------------------------

    void exitCommandsCloseTheWindow_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addRow("the arrow button") << "SpeedButton1";
        QTest::addRow("File, Exit") << "Exit1";
    }
    void exitCommandsCloseTheWindow()
    {
        QFETCH(QString, how);
        if (how == QLatin1String("Exit1"))
            action("Exit1")->trigger();
        else
            click("SpeedButton1");
        QVERIFY(!window->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestControlPanel)
#include "test_control_panel.moc"
