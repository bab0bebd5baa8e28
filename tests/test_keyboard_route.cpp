// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The control panel without a mouse: Tab walks the layout's focus stops, Space (or Enter on a
// push button) or the arrow keys do what a click or a drag does, the slider's keys go the way its
// readout does, an underlined letter acts or moves through the controls and menus that share it,
// the menus open by their letters and every item in them is reached with the arrow keys. The
// arrow button is no focus stop; File > Exit does its work.
#include "main_window.h"
#include "window_fixtures.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <utility>

using namespace korvane;

namespace {

// Keys go where the keyboard sends them: an open menu first, else the focused control.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::activePopupWidget();
    if (!target)
        target = QApplication::focusWidget();
    QVERIFY(target);
    QTest::keyClick(target, key, modifiers);
}

QString focused()
{
    QWidget *widget = QApplication::focusWidget();
    return widget ? widget->objectName() : QString();
}

} // namespace

using Setup = std::function<void(Tmilikanfrm &)>;
using Effect = std::function<bool(const Tmilikanfrm &)>;
Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(Effect)

class TestKeyboardRoute : public QObject {
    Q_OBJECT

    RecordingReporter m_errors;
    std::unique_ptr<Tmilikanfrm> m_window;

    template<class T = QWidget> T *find(const char *name) const
    {
        return control<T>(*m_window, name);
    }

    // The control's place among the stops that Tab visits now: a disabled control is passed by.
    int placeInTabOrder(const QString &control) const
    {
        int place = 0;
        for (const QString &stop : TabStops) {
            if (stop == control)
                return place;
            place += find(stop.toLatin1().constData())->isEnabled();
        }
        return -1;
    }

    // Tab from the first stop until the control has the focus; returns the number of presses.
    int tabTo(const QString &control)
    {
        find("Scalebx")->setFocus(Qt::TabFocusReason);
        for (int presses = 0; presses <= TabStops.size(); ++presses) {
            if (focused() == control)
                return presses;
            press(Qt::Key_Tab);
        }
        return -1;
    }

    void freeze()
    {
        if (find<QTimer>("Timer1")->isActive())
            m_window->freezebtClick();
    }
    // A letter with Alt, sent to the focused control as the keyboard would while no menu is open.
    void pressAlt(Qt::Key key)
    {
        QWidget *target =
            QApplication::focusWidget() ? QApplication::focusWidget() : m_window.get();
        QTest::keyClick(target, key, Qt::AltModifier);
    }

private slots:
    void init()
    {
        m_window = std::make_unique<Tmilikanfrm>();
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup()
    {
        const QStringList errors = std::exchange(m_errors.messages, {});
        if (m_window->isVisible()) // File, Exit closes it
            VERIFY_CONTROLS_MIRROR_STATE(*m_window);
        m_window.reset();
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
    }

    void tabWalksTheStopsAndRoundAgain()
    {
        m_window->onoffClick(); // the slider is a stop while the supply is on
        find("Scalebx")->setFocus(Qt::TabFocusReason);
        QStringList forward {focused()};
        for (qsizetype i = 0; i < TabStops.size(); ++i) {
            press(Qt::Key_Tab);
            forward << focused();
        }
        QCOMPARE(forward, TabStops + QStringList {"Scalebx"});

        QStringList backward;
        for (qsizetype i = 0; i < TabStops.size(); ++i) {
            press(Qt::Key_Backtab, Qt::ShiftModifier);
            backward.prepend(focused());
        }
        QCOMPARE(backward, TabStops);
    }

    void sliderIsNoStopWhileTheSupplyIsOff()
    {
        QVERIFY(!find("voltsb")->isEnabled());
        QCOMPARE(tabTo(QStringLiteral("onoff")), 3);
        press(Qt::Key_Tab);
        QCOMPARE(focused(), QStringLiteral("flipcb"));
    }

    void everyStopActsFromTheKeyboard_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Setup>("setup"); // done by the handlers, before the keys
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<Effect>("effect");

        const Setup nothing = [](Tmilikanfrm &) {};
        const Setup withDrops = [](Tmilikanfrm &window) { window.AddbtClick(); };
        const Setup supplyOn = [](Tmilikanfrm &window) { window.onoffClick(); };
        const Setup supplyAt25V = [](Tmilikanfrm &window) {
            window.onoffClick();
            window.findChild<QScrollBar *>("voltsb")->setValue(2500);
        };
        const Setup running = [](Tmilikanfrm &window) {
            window.startbtClick();
            window.Timer1Timer();
            window.Timer1Timer();
        };
        const QList<int> space {Qt::Key_Space};

        QTest::addRow("Show Scale: Space hides the scale")
            << "Scalebx" << nothing << space
            << Effect([](const Tmilikanfrm &w) { return !w.viewSettings().showScale; });
        QTest::addRow("Add Oil: Space sprays ten drops")
            << "Addbt" << nothing << space
            << Effect([](const Tmilikanfrm &w) { return w.state().DropCount == 10; });
        QTest::addRow("Add Oil: Enter sprays ten drops")
            << "Addbt" << nothing << QList<int> {Qt::Key_Return}
            << Effect([](const Tmilikanfrm &w) { return w.state().DropCount == 10; });
        QTest::addRow("Clean Up: Space empties the table")
            << "Resetb" << withDrops << space
            << Effect([](const Tmilikanfrm &w) { return w.state().DropCount == 0; });
        QTest::addRow("On: Space switches the supply on")
            << "onoff" << nothing << space
            << Effect([](const Tmilikanfrm &w) { return w.state().VoltageOn == 1; });
        // The arrow keys' direction is sliderKeys' concern; here the slider's keys for the whole
        // range and for its pages.
        QTest::addRow("slider: End, then a page back")
            << "voltsb" << supplyOn << QList<int> {Qt::Key_End, Qt::Key_PageUp}
            << Effect([](const Tmilikanfrm &w) { return w.state().VoltageSetting == 4980; });
        QTest::addRow("slider: a page on, then Home")
            << "voltsb" << supplyAt25V << QList<int> {Qt::Key_PageDown, Qt::Key_Home}
            << Effect([](const Tmilikanfrm &w) { return w.state().VoltageSetting == 0; });
        QTest::addRow("Flip Voltage: Space flips the polarity")
            << "flipcb" << nothing << space
            << Effect([](const Tmilikanfrm &w) { return w.state().Polarity == -1; });
        QTest::addRow("Reset: Space zeroes the stopwatch")
            << "resetbt" << running << space << Effect([](const Tmilikanfrm &w) {
                   return w.state().StopwatchTenths == 0 &&
                       w.findChild<QLabel *>("timerlb")->text() == QLatin1String("0.0 s");
               });
        QTest::addRow("Start: Space starts the stopwatch")
            << "startbt" << nothing << space
            << Effect([](const Tmilikanfrm &w) { return w.state().StopwatchRunning; });
        QTest::addRow("Start: keypad Enter starts the stopwatch")
            << "startbt" << nothing << QList<int> {Qt::Key_Enter}
            << Effect([](const Tmilikanfrm &w) { return w.state().StopwatchRunning; });
        QTest::addRow("Show Thread: Space shows the thread")
            << "threadcb" << nothing << space
            << Effect([](const Tmilikanfrm &w) { return w.viewSettings().showThread; });
        QTest::addRow("Freeze Screen: Space stops the step")
            << "freezebt" << nothing << space << Effect([](const Tmilikanfrm &w) {
                   return !w.findChild<QTimer *>("Timer1")->isActive();
               });
    }
    void everyStopActsFromTheKeyboard()
    {
        QFETCH(QString, control);
        QFETCH(Setup, setup);
        QFETCH(QList<int>, keys);
        QFETCH(Effect, effect);
        setup(*m_window);
        QVERIFY(!effect(*m_window));
        QCOMPARE(tabTo(control), placeInTabOrder(control));
        for (const int key : keys)
            press(Qt::Key(key));
        QVERIFY(effect(*m_window));
    }

    // The slider's keys go the way its readout does: Right, Down and Page Down raise the voltage,
    // as on the scroll bar that readers are told it is.
    void sliderKeys()
    {
        auto *voltsb = find<QScrollBar>("voltsb");
        m_window->onoffClick();
        voltsb->setFocus();
        const struct {
            Qt::Key key;
            int position;
        } presses[] = {{Qt::Key_Right, 1},  {Qt::Key_PageDown, 21}, {Qt::Key_Left, 20},
                       {Qt::Key_End, 5000}, {Qt::Key_Right, 5000},  {Qt::Key_PageUp, 4980},
                       {Qt::Key_Home, 0},   {Qt::Key_Left, 0},      {Qt::Key_Down, 1},
                       {Qt::Key_Up, 0}};
        for (const auto &press : presses) {
            QTest::keyClick(voltsb, press.key);
            QCOMPARE(m_window->state().VoltageSetting, press.position);
        }
    }

    // Opened by its letter, a menu offers each of its items that can be chosen to Down in turn.
    void downReachesEveryItem_data()
    {
        QTest::addColumn<int>("letter");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("items");
        QTest::addRow("Alt+F: File") << int(Qt::Key_F) << "Edit1" << QStringList {"Copy2", "Exit1"};
        QTest::addRow("Alt+O: Options") << int(Qt::Key_O) << "Options1"
                                        << QStringList {"Variable1", "SameMass1", "SameCharge1",
                                                        "Samecharge2", "Showconstants1"};
        QTest::addRow("Alt+H: Help") << int(Qt::Key_H) << "Help1" << QStringList {"about1"};
    }
    void downReachesEveryItem()
    {
        QFETCH(int, letter);
        QFETCH(QString, menu);
        QFETCH(QStringList, items);
        press(Qt::Key(letter), Qt::AltModifier);
        QTRY_COMPARE(QApplication::activePopupWidget(),
                     static_cast<QWidget *>(find<QMenu>(menu.toLatin1().constData())));
        auto *open = static_cast<QMenu *>(QApplication::activePopupWidget());
        QStringList reached;
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (!open->activeAction() || i > 0)
                press(Qt::Key_Down);
            reached << (open->activeAction() ? open->activeAction()->objectName() : QString());
        }
        QCOMPARE(reached, items);
        press(Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget() || !open->isVisible());
    }

    // ---- Letters ------------------------------------------------------------------------------

    void singleOwnerLettersActAtOnce_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("drops");
        QTest::addRow("Alt+A adds oil") << int(Qt::Key_A) << 10;
        QTest::addRow("Alt+C cleans up") << int(Qt::Key_C) << 0;
    }
    void singleOwnerLettersActAtOnce()
    {
        QFETCH(int, key);
        QFETCH(int, drops);
        freeze();
        if (drops == 0)
            QTest::mouseClick(find("Addbt"), Qt::LeftButton);
        pressAlt(Qt::Key(key));
        QTRY_COMPARE(m_window->state().DropCount, drops);
    }

    void resetByItsLetter()
    {
        freeze();
        QTest::mouseClick(find("startbt"), Qt::LeftButton);
        for (int i = 0; i < 7; ++i)
            m_window->Timer1Timer();
        pressAlt(Qt::Key_R);
        QTRY_COMPARE(find<QLabel>("timerlb")->text(), QStringLiteral("0.0 s"));
    }

    void sharedLettersMoveThroughTheirOwners_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("menu"); // the menu title that owns the letter, if any
        QTest::addColumn<QStringList>("controls"); // the controls, in tab order
        QTest::addRow("F: File, Flip Voltage, Freeze Screen")
            << int(Qt::Key_F) << "Edit1" << QStringList {"flipcb", "freezebt"};
        QTest::addRow("O: Options, On") << int(Qt::Key_O) << "Options1" << QStringList {"onoff"};
        QTest::addRow("S: Start, Show Thread")
            << int(Qt::Key_S) << "" << QStringList {"startbt", "threadcb"};
    }
    void sharedLettersMoveThroughTheirOwners()
    {
        QFETCH(int, key);
        QFETCH(QString, menu);
        QFETCH(QStringList, controls);
        const ApparatusState before = m_window->state();
        for (int round = 0; round < 2; ++round) {
            if (!menu.isEmpty()) {
                pressAlt(Qt::Key(key));
                QTRY_VERIFY(QApplication::activePopupWidget());
                QCOMPARE(QApplication::activePopupWidget(),
                         find<QMenu>(menu.toLatin1().constData()));
            }
            for (const QString &name : controls) {
                pressAlt(Qt::Key(key));
                QTRY_COMPARE(QApplication::focusWidget(), find(name.toLatin1().constData()));
                QVERIFY(!QApplication::activePopupWidget());
            }
        }
        // Moving through the owners activates none of them.
        QCOMPARE(m_window->state().VoltageOn, before.VoltageOn);
        QCOMPARE(m_window->state().Polarity, before.Polarity);
        QCOMPARE(m_window->state().StopwatchRunning, before.StopwatchRunning);
        QVERIFY(find<QTimer>("Timer1")->isActive());
    }

    void spaceActivatesTheOwnerReached()
    {
        pressAlt(Qt::Key_O); // Options
        pressAlt(Qt::Key_O); // On
        QTRY_COMPARE(QApplication::focusWidget(), find("onoff"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(m_window->state().VoltageOn, 1);
        // The caption now underlines the O of "&Off": the same letter, the same owner.
        pressAlt(Qt::Key_O);
        pressAlt(Qt::Key_O);
        QTRY_COMPARE(QApplication::focusWidget(), find("onoff"));

        pressAlt(Qt::Key_S);
        QTRY_COMPARE(QApplication::focusWidget(), find("startbt"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(m_window->state().StopwatchRunning);

        pressAlt(Qt::Key_F);
        pressAlt(Qt::Key_F);
        QTRY_COMPARE(QApplication::focusWidget(), find("flipcb"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(m_window->state().Polarity, -1);
    }

    void letterSharedInsideAMenuMovesThenEnterChooses()
    {
        pressAlt(Qt::Key_O);
        QTRY_VERIFY(QApplication::activePopupWidget());
        auto *options = find<QMenu>("Options1");
        QTest::keyClick(options, Qt::Key_V);
        QCOMPARE(options->activeAction(), find<QAction>("Variable1"));
        QTest::keyClick(options, Qt::Key_V);
        QCOMPARE(options->activeAction(), find<QAction>("Samecharge2"));
        QVERIFY(find<QAction>("Variable1")->isChecked());
        QTest::keyClick(options, Qt::Key_Return);
        QTRY_VERIFY(find<QAction>("Samecharge2")->isChecked());
        QVERIFY(!find<QAction>("Variable1")->isChecked());
    }

    // What the arrow button does, File > Exit does from the keyboard.
    void fileExitByItsLetters()
    {
        press(Qt::Key_F, Qt::AltModifier);
        QTRY_COMPARE(QApplication::activePopupWidget(), static_cast<QWidget *>(find("Edit1")));
        press(Qt::Key_X);
        QTRY_VERIFY(!m_window->isVisible());
    }
};

QTEST_MAIN(TestKeyboardRoute)
#include "test_keyboard_route.moc"
