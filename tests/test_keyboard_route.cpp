// The control panel without a mouse: Tab walks the layout's focus stops, Space (or Enter on a
// push button) or the arrow keys do what a click or a drag does, the menus open by their letters
// and every item in them is reached with the arrow keys. The arrow button is no focus stop; File >
// Exit does its work.
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

private slots:
    void init()
    {
        m_window = std::make_unique<Tmilikanfrm>();
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

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
        // The arrow keys' direction is the control panel tests' concern; here the slider's
        // keys for the whole range and for its pages.
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

    void optionsItemChosenWithEnter()
    {
        press(Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        auto *options = static_cast<QMenu *>(QApplication::activePopupWidget());
        while (options->activeAction() != find<QAction>("SameCharge1"))
            press(Qt::Key_Down);
        press(Qt::Key_Return);
        QTRY_VERIFY(find<QAction>("SameCharge1")->isChecked());
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
