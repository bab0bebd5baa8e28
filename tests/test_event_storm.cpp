// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A lesson's worth of fast, random use of the main window, played from a seed: clicks, keys and
// mnemonics on every control, the slider by arrows, pages, Home/End and thumb drags, the zoom
// box dragged anywhere, clicks and secondary clicks on the view, the menus and their commands,
// both dialogs opened and closed, and timer steps in between. After every action the apparatus
// keeps its rules, the controls agree with the state, no error was reported and no message box
// opened. Only Exit and the arrow button, which end the program, are left out.
//
// Replay a failure with: test_event_storm --seed N [--actions N]
#include "about_box.h"
#include "apparatus_invariants.h"
#include "const_dialog.h"
#include "control_panel.h"
#include "handler_guard.h"
#include "main_window.h"
#include "step.h"
#include "window_fixtures.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstring>
#include <deque>
#include <random>

using namespace korvane;
using namespace korvane::invariants;

namespace {

uint64_t g_seed = 20240611;
int g_actions = 50000;

constexpr int NeverMs = 24 * 60 * 60 * 1000; // the test steps the timers itself

// Qt Test warns of every mouse event a widget leaves to its parent; a storm sends thousands.
QtMessageHandler g_testLogger = nullptr;
void quietLogger(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg &&
        (message.contains(QLatin1String("not accepted by receiving widget")) ||
         message.startsWith(QLatin1String("This plugin does not support"))))
        return;
    g_testLogger(type, context, message);
}

} // namespace

class TestEventStorm : public QObject {
    Q_OBJECT

    std::unique_ptr<Tmilikanfrm> window;
    std::mt19937_64 dice;
    Snapshot last;
    bool expectedAddOil = true;
    QString failure;
    QStringList errors;
    std::deque<QString> recent; // the latest actions, for the failure report
    int userActions = 0, ticks = 0, dialogsShown = 0, menusOpened = 0;
    // Which corners the storm reached: the slider's ends, the zoom box's four limits.
    QSet<int> voltagesSeen;
    int zoomLimitsHit = 0;
    QTimer dialogDriver;

    // Controls, found by their names.
    QTimer *Timer1 = nullptr;
    QTimer *aboutTimer = nullptr;
    Taboutboxp *aboutbox = nullptr;
    Tconstfrm *constfrm = nullptr;
    QPushButton *Addbt = nullptr, *Resetb = nullptr, *onoff = nullptr, *startbt = nullptr,
                *resetbt = nullptr, *freezebt = nullptr;
    QCheckBox *Scalebx = nullptr, *threadcb = nullptr, *flipcb = nullptr;
    QScrollBar *voltsb = nullptr;
    QLabel *voltlb = nullptr, *timerlb = nullptr;
    QWidget *zsh = nullptr, *capacitor = nullptr;
    QAction *Exit1 = nullptr;
    QList<QAction *> modes, commands;

    template<class T> T *control(const char *name) { return korvane::control<T>(*window, name); }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(dice); }
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(dice); }
    bool chance(double p) { return std::bernoulli_distribution(p)(dice); }

    void note(const QString &action)
    {
        recent.push_back(action);
        if (recent.size() > 25)
            recent.pop_front();
    }

    void fail(const QString &what)
    {
        if (failure.isEmpty())
            failure = what;
    }

    // ---- The checks --------------------------------------------------------------------------

    QString controlsDisagree() const
    {
        if (const QString fault = korvane::controlsDisagree(*window); !fault.isEmpty())
            return fault;
        const ApparatusState &s = window->state();
        if (s.AddOilEnabled != expectedAddOil)
            return QStringLiteral("Add Oil is %1 with %2 drops, its rule says %3")
                .arg(s.AddOilEnabled ? "enabled" : "disabled")
                .arg(s.DropCount)
                .arg(expectedAddOil ? "enabled" : "disabled");
        const QPoint box = zsh->pos();
        if (box.x() < 20 || box.x() > 745 || box.y() < 20 || box.y() > 320 ||
            zsh->size() != QSize(25, 25))
            return QStringLiteral("zoom box at (%1, %2)").arg(box.x()).arg(box.y());
        int checked = 0;
        for (QAction *mode : modes)
            checked += mode->isChecked() ? 1 : 0;
        if (checked != 1)
            return QStringLiteral("%1 drop modes checked").arg(checked);
        if (!window->isVisible())
            return QStringLiteral("the main window closed");
        return QString();
    }

    QString messageBoxShown() const
    {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMessageBox *>(top) && top->isVisible())
                return QStringLiteral("a message box opened: ") +
                    static_cast<QMessageBox *>(top)->text();
        }
        if (!errors.isEmpty())
            return QStringLiteral("an error was reported: ") + errors.first();
        return QString();
    }

    void checkAll(const std::string &tableFault)
    {
        if (!tableFault.empty())
            return fail(QString::fromStdString(tableFault));
        if (const std::string fault = checkTable(window->state()); !fault.empty())
            return fail(QString::fromStdString(fault));
        if (const QString fault = controlsDisagree(); !fault.isEmpty())
            return fail(fault);
        if (const QString fault = messageBoxShown(); !fault.isEmpty())
            return fail(fault);
    }

    // Whatever the user did since the last check: it may empty the table, add ten drops or
    // leave the table alone, and Add Oil follows its rule.
    void checkUserTransition()
    {
        const ApparatusState &s = window->state();
        expectedAddOil = addOilAfterUserAction(last, s);
        checkAll(checkUserAction(last, s));
        last = Snapshot::of(s);
    }

    // One tick of the step timer, as it arrives while the timer runs.
    void tick()
    {
        checkUserTransition();
        if (!Timer1->isActive())
            return;
        const bool counting = window->state().StopwatchRunning;
        window->Timer1Timer();
        ++ticks;
        const ApparatusState &s = window->state();
        expectedAddOil = expectedAddOil || s.DropCount < 90;
        checkAll(checkStep(last, s));
        const QString shown = QString::fromStdString(stopwatchText(s.StopwatchTenths));
        if (counting && timerlb->text() != shown)
            fail(QStringLiteral("the stopwatch shows %1 at %2 tenths")
                     .arg(timerlb->text())
                     .arg(s.StopwatchTenths));
        last = Snapshot::of(s);
    }

    // ---- Pointer and keys ----------------------------------------------------------------------

    QWidget *keyTarget() const
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            return popup;
        if (QWidget *focus = QApplication::focusWidget())
            return focus;
        return window.get();
    }

    // An Alt+letter press: a letter with one owner clicks it after showing it pressed, so
    // wait for that click before going on.
    void mnemonic(QWidget *target, char letter)
    {
        QTest::keyClick(target, letter, Qt::AltModifier);
        waitForAnimatedClicks(target->window());
    }

    static bool anyButtonDown(QWidget *top)
    {
        for (QAbstractButton *button : top->findChildren<QAbstractButton *>()) {
            if (button->isDown())
                return true;
        }
        return false;
    }

    void waitForAnimatedClicks(QWidget *top)
    {
        QElapsedTimer waited;
        waited.start();
        while (anyButtonDown(top) && waited.elapsed() < 2000)
            QTest::qWait(5);
    }

    QRect scrollBarPart(QStyle::SubControl part) const
    {
        QStyleOptionSlider option;
        option.initFrom(voltsb);
        option.subControls = QStyle::SC_All;
        option.orientation = Qt::Horizontal;
        option.minimum = voltsb->minimum();
        option.maximum = voltsb->maximum();
        option.sliderPosition = voltsb->sliderPosition();
        option.sliderValue = voltsb->value();
        option.singleStep = voltsb->singleStep();
        option.pageStep = voltsb->pageStep();
        option.upsideDown = false;
        option.state |= QStyle::State_Horizontal;
        return voltsb->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, voltsb);
    }

    static QPoint somewhereIn(const QRect &rect, std::mt19937_64 &dice)
    {
        auto within = [&dice](int low, int high) {
            return std::uniform_int_distribution<int>(low, std::max(low, high))(dice);
        };
        return {within(rect.left(), rect.right()), within(rect.top(), rect.bottom())};
    }

    void slider()
    {
        switch (pick(6)) {
        case 0:
            note("slider: left arrow");
            QTest::mouseClick(voltsb, Qt::LeftButton, {},
                              scrollBarPart(QStyle::SC_ScrollBarSubLine).center());
            break;
        case 1:
            note("slider: right arrow");
            QTest::mouseClick(voltsb, Qt::LeftButton, {},
                              scrollBarPart(QStyle::SC_ScrollBarAddLine).center());
            break;
        case 2: {
            const QRect page = scrollBarPart(chance(0.5) ? QStyle::SC_ScrollBarSubPage
                                                         : QStyle::SC_ScrollBarAddPage);
            note("slider: trough");
            if (page.width() > 0)
                QTest::mouseClick(voltsb, Qt::LeftButton, {}, page.center());
            break;
        }
        case 3: {
            const QPoint from = scrollBarPart(QStyle::SC_ScrollBarSlider).center();
            const QPoint to(between(-150, 250), between(-40, 60));
            note(QStringLiteral("slider: thumb dragged to %1, %2").arg(to.x()).arg(to.y()));
            QTest::mousePress(voltsb, Qt::LeftButton, {}, from);
            QTest::mouseMove(voltsb, to);
            QTest::mouseRelease(voltsb, Qt::LeftButton, {}, to);
            break;
        }
        default: {
            static const Qt::Key keys[] = {Qt::Key_Left,     Qt::Key_Right, Qt::Key_PageUp,
                                           Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End};
            const Qt::Key key = keys[pick(6)];
            note(QStringLiteral("slider: key %1").arg(QKeySequence(key).toString()));
            if (voltsb->isEnabled())
                voltsb->setFocus(Qt::TabFocusReason);
            QTest::keyClick(keyTarget(), key);
            break;
        }
        }
    }

    void dragZoomBox()
    {
        const QPoint press(pick(25), pick(25));
        note(QStringLiteral("zoom box dragged"));
        QTest::mousePress(zsh, Qt::LeftButton, {}, press);
        QPoint at = press;
        for (int moves = between(1, 5); moves > 0; --moves) {
            at = chance(0.3) ? QPoint(between(-3000, 3000), between(-3000, 3000))
                             : QPoint(between(-60, 85), between(-60, 85));
            QTest::mouseMove(zsh, at);
        }
        QTest::mouseRelease(zsh, Qt::LeftButton, {}, zsh->mapFromGlobal(QCursor::pos()));
    }

    void clickView()
    {
        const QPoint at(pick(765), pick(336));
        if (chance(0.7)) {
            note(QStringLiteral("view: click at %1, %2").arg(at.x()).arg(at.y()));
            QTest::mouseClick(capacitor, Qt::LeftButton, {}, at);
        } else {
            // Through the window, as the platform delivers it, so that the press opens the
            // pop-up menu.
            note(QStringLiteral("view: secondary click at %1, %2").arg(at.x()).arg(at.y()));
            const QPoint inWindow = capacitor->mapTo(window.get(), at);
            QTest::mousePress(window->windowHandle(), Qt::RightButton, {}, inWindow);
            QTest::mouseRelease(window->windowHandle(), Qt::RightButton, {}, inWindow);
        }
    }

    // While a menu is open, what a student does with it. Nothing here can reach Exit.
    void usePopup(QMenu *popup)
    {
        QList<QAction *> items;
        for (QAction *item : popup->actions()) {
            if (item != Exit1 && !item->isSeparator())
                items << item;
        }
        switch (pick(6)) {
        case 0:
            note("menu: Escape");
            QTest::keyClick(popup, Qt::Key_Escape);
            break;
        case 1:
            note("menu: Down");
            QTest::keyClick(popup, chance(0.5) ? Qt::Key_Down : Qt::Key_Up);
            break;
        case 2:
            if (popup->activeAction() && popup->activeAction() != Exit1) {
                note(QStringLiteral("menu: Enter on %1").arg(popup->activeAction()->text()));
                QTest::keyClick(popup, Qt::Key_Return);
            }
            break;
        case 3: {
            static const char letters[] = "acdefghoprsv";
            const char letter = letters[pick(sizeof letters - 1)];
            note(QStringLiteral("menu: key %1").arg(QLatin1Char(letter)));
            QTest::keyClick(popup, letter);
            break;
        }
        case 4:
            if (!items.isEmpty()) {
                QAction *item = items.at(pick(int(items.size())));
                note(QStringLiteral("menu: click %1").arg(item->text()));
                QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(item).center());
            }
            break;
        default:
            note("menu: closed by a click elsewhere");
            popup->close();
            break;
        }
    }

    void openMenuBarMenu()
    {
        QMenuBar *bar = window->menuBar();
        const QList<QAction *> menus = bar->actions();
        QAction *menu = menus.at(pick(int(menus.size())));
        note(QStringLiteral("menu bar: click %1").arg(menu->text()));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu).center());
    }

    void keys()
    {
        switch (pick(7)) {
        case 0: {
            static const char letters[] = "acfhorsv";
            const char letter = letters[pick(sizeof letters - 1)];
            note(QStringLiteral("key Alt+%1").arg(QLatin1Char(letter)));
            mnemonic(keyTarget(), letter);
            break;
        }
        case 1:
            note("key Tab");
            QTest::keyClick(keyTarget(), Qt::Key_Tab,
                            chance(0.3) ? Qt::ShiftModifier : Qt::NoModifier);
            break;
        case 2:
            note("key Space");
            QTest::keyClick(keyTarget(), Qt::Key_Space);
            break;
        case 3:
            note("key Enter");
            QTest::keyClick(keyTarget(), Qt::Key_Return);
            break;
        case 4:
            note("key Ctrl+C");
            QTest::keyClick(keyTarget(), Qt::Key_C, Qt::ControlModifier);
            break;
        case 5:
            note("key Ctrl+P");
            QTest::keyClick(keyTarget(), Qt::Key_P, Qt::ControlModifier);
            break;
        default: {
            static const Qt::Key arrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                                             Qt::Key_Escape};
            note("key arrow or Escape");
            QTest::keyClick(keyTarget(), arrows[pick(5)]);
            break;
        }
        }
    }

    void userAction()
    {
        if (auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget()))
            return usePopup(popup);
        const int roll = pick(100);
        if (roll < 25) {
            QPushButton *buttons[] = {Addbt, Addbt, Resetb, onoff, startbt, resetbt, freezebt};
            QPushButton *button = buttons[pick(7)];
            note(QStringLiteral("click %1").arg(button->objectName()));
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (roll < 33) {
            QCheckBox *boxes[] = {Scalebx, threadcb, flipcb};
            QCheckBox *box = boxes[pick(3)];
            note(QStringLiteral("click %1").arg(box->objectName()));
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        } else if (roll < 48) {
            slider();
        } else if (roll < 56) {
            dragZoomBox();
        } else if (roll < 59) {
            note("pointer over the zoom box");
            QTest::mouseMove(zsh, QPoint(pick(25), pick(25)));
        } else if (roll < 68) {
            clickView();
        } else if (roll < 80) {
            keys();
        } else if (roll < 84) {
            openMenuBarMenu();
        } else if (roll < 94) {
            QAction *command = chance(0.5) ? modes.at(pick(int(modes.size())))
                                           : commands.at(pick(int(commands.size())));
            if (command == commands.first() || command == commands.at(1)) {
                if (!chance(0.3))
                    command = modes.at(pick(int(modes.size()))); // dialogs now and then
            }
            note(QStringLiteral("menu command %1").arg(command->objectName()));
            command->trigger();
        } else if (aboutTimer->isActive() && !aboutbox->isVisible()) {
            note("About box tick while hidden");
            aboutbox->Timer1Timer();
        } else {
            note("focus a control");
            QWidget *focusable[] = {Scalebx, Addbt,   Resetb,  onoff,    voltsb,
                                    flipcb,  resetbt, startbt, threadcb, freezebt};
            focusable[pick(10)]->setFocus(Qt::MouseFocusReason);
        }
    }

    // ---- The dialogs: driven from inside their modal showing ---------------------------------

    void driveDialog()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            fail(QStringLiteral("a message box opened: ") + box->text());
            box->close();
            return;
        }
        if (anyButtonDown(modal))
            return; // a mnemonic's click is on its way
        checkUserTransition();
        ++userActions;
        if (chance(0.3)) {
            note("tick behind the dialog");
            tick();
            return;
        }
        if (modal == aboutbox) {
            switch (pick(6)) {
            case 0:
            case 1:
                note("About box: its own tick");
                if (aboutTimer->isActive())
                    aboutbox->Timer1Timer();
                break;
            case 2:
                note("About box: click on the product line");
                QTest::mouseClick(aboutbox->findChild<QWidget *>("ProductName"), Qt::LeftButton);
                break;
            case 3:
                note("About box: click on the panel");
                QTest::mouseClick(aboutbox->findChild<QWidget *>("Panel2"), Qt::LeftButton, {},
                                  QPoint(200, 150));
                break;
            case 4:
                note("About box: close box");
                aboutbox->close();
                break;
            default:
                note("About box: Escape");
                QTest::keyClick(aboutbox, Qt::Key_Escape);
                break;
            }
        } else if (modal == constfrm) {
            auto *ok = constfrm->findChild<QPushButton *>("Button1");
            switch (pick(5)) {
            case 0:
                note("Constants: click Ok");
                QTest::mouseClick(ok, Qt::LeftButton);
                break;
            case 1:
                note("Constants: Space");
                QTest::keyClick(ok, Qt::Key_Space);
                break;
            case 2:
                note("Constants: Enter");
                QTest::keyClick(ok, Qt::Key_Return);
                break;
            case 3:
                note("Constants: Alt+O");
                QTest::keyClick(ok, Qt::Key_O, Qt::AltModifier);
                break;
            default:
                note("Constants: a click beside the button");
                QTest::mouseClick(constfrm, Qt::LeftButton, {}, QPoint(20, 170));
                break;
            }
        } else {
            fail(QStringLiteral("an unexpected modal window: ") + modal->objectName());
            modal->close();
        }
    }

    // After a dialog closes, the student clicks the main window again.
    void backToTheWindow()
    {
        if (QApplication::activeModalWidget() || QApplication::activePopupWidget())
            return;
        if (QApplication::activeWindow() != window.get()) {
            window->activateWindow();
            QCoreApplication::processEvents();
        }
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && (watched == aboutbox || watched == constfrm))
            ++dialogsShown;
        return false;
    }

    void report()
    {
        std::fprintf(stderr, "event storm failed with seed %llu after %d actions and %d ticks\n",
                     static_cast<unsigned long long>(g_seed), userActions, ticks);
        std::fprintf(stderr, "replay: test_event_storm --seed %llu --actions %d\n",
                     static_cast<unsigned long long>(g_seed), userActions + 1);
        for (const QString &action : recent)
            std::fprintf(stderr, "  %s\n", qPrintable(action));
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Korvane"));
        g_testLogger = qInstallMessageHandler(quietLogger);
        setErrorReporter([this](const QString &message) { errors << message; });
        dice.seed(g_seed);
        window = std::make_unique<Tmilikanfrm>(std::make_unique<SeededRandom>(g_seed));
        Timer1 = window->findChild<QTimer *>(QStringLiteral("Timer1"), Qt::FindDirectChildrenOnly);
        aboutbox = control<Taboutboxp>("Taboutboxp");
        constfrm = window->findChild<Tconstfrm *>();
        QVERIFY(Timer1 && constfrm);
        aboutTimer =
            aboutbox->findChild<QTimer *>(QStringLiteral("Timer1"), Qt::FindDirectChildrenOnly);
        QVERIFY(aboutTimer);
        Timer1->setInterval(NeverMs);
        aboutTimer->setInterval(NeverMs);

        Addbt = control<QPushButton>("Addbt");
        Resetb = control<QPushButton>("Resetb");
        onoff = control<QPushButton>("onoff");
        startbt = control<QPushButton>("startbt");
        resetbt = control<QPushButton>("resetbt");
        freezebt = control<QPushButton>("freezebt");
        Scalebx = control<QCheckBox>("Scalebx");
        threadcb = control<QCheckBox>("threadcb");
        flipcb = control<QCheckBox>("flipcb");
        voltsb = control<QScrollBar>("voltsb");
        voltlb = control<QLabel>("voltlb");
        timerlb = control<QLabel>("timerlb");
        zsh = control<QWidget>("zsh");
        capacitor = control<QWidget>("capacitor");
        Exit1 = control<QAction>("Exit1");
        modes = {control<QAction>("Variable1"), control<QAction>("SameMass1"),
                 control<QAction>("SameCharge1"), control<QAction>("Samecharge2")};
        commands = {control<QAction>("Showconstants1"), control<QAction>("about1"),
                    control<QAction>("Copy2"),          control<QAction>("Copy1"),
                    control<QAction>("Print2"),         control<QAction>("Print1")};

        aboutbox->installEventFilter(this);
        constfrm->installEventFilter(this);
        dialogDriver.setInterval(0);
        connect(&dialogDriver, &QTimer::timeout, this, [this] { driveDialog(); });

        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        last = Snapshot::of(window->state());
        dialogDriver.start();
        window->startUp(); // the start-up reset and the About box
        dialogDriver.stop();
        backToTheWindow();
    }

    void cleanupTestCase()
    {
        setErrorReporter(nullptr);
        window.reset();
        qInstallMessageHandler(g_testLogger);
    }

    void stormKeepsEveryRule()
    {
        QElapsedTimer clock;
        clock.start();
        int mostDrops = 0, fullTables = 0;
        while (userActions < g_actions && failure.isEmpty()) {
            if (chance(0.3)) {
                // Timer steps come in between, now and then a run of them.
                const int run = chance(0.1) ? between(10, 120) : 1;
                note(QStringLiteral("%1 tick(s)").arg(run));
                for (int i = 0; i < run && failure.isEmpty(); ++i)
                    tick();
            } else {
                ++userActions;
                dialogDriver.start();
                userAction();
                dialogDriver.stop();
                QCoreApplication::processEvents();
                backToTheWindow();
                checkUserTransition();
            }
            mostDrops = std::max(mostDrops, int(window->state().DropCount));
            voltagesSeen.insert(window->state().VoltageSetting);
            const QPoint box = zsh->pos();
            zoomLimitsHit |= (box.x() == 20 ? 1 : 0) | (box.x() == 745 ? 2 : 0) |
                (box.y() == 20 ? 4 : 0) | (box.y() == 320 ? 8 : 0);
            menusOpened += QApplication::activePopupWidget() ? 1 : 0;
            fullTables += window->state().DropCount == TableCapacity ? 1 : 0;
        }
        if (!failure.isEmpty())
            report();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        qInfo("%d actions, %d ticks, %d dialogs, %d actions on open menus, %d voltages in %lld ms",
              userActions, ticks, dialogsShown, menusOpened, int(voltagesSeen.size()),
              static_cast<long long>(clock.elapsed()));

        // The storm reached the corners it is meant to reach.
        QCOMPARE(mostDrops, TableCapacity);
        QVERIFY(fullTables > 0);
        QVERIFY(dialogsShown > 0);
        QVERIFY(ticks > g_actions / 10);
        QVERIFY(menusOpened > 0);
        QVERIFY(voltagesSeen.contains(0) && voltagesSeen.contains(5000));
        QVERIFY(voltagesSeen.size() > 2);
        QCOMPARE(zoomLimitsHit, 15);
    }
};

int main(int argc, char *argv[])
{
    // Our own options first; the rest go to Qt Test.
    std::vector<char *> rest;
    for (int i = 0; i < argc; ++i) {
        if (i + 1 < argc && std::strcmp(argv[i], "--seed") == 0)
            g_seed = std::strtoull(argv[++i], nullptr, 10);
        else if (i + 1 < argc && std::strcmp(argv[i], "--actions") == 0)
            g_actions = std::atoi(argv[++i]);
        else
            rest.push_back(argv[i]);
    }
    int restCount = int(rest.size());
    QApplication app(restCount, rest.data());
    std::printf("event storm: seed %llu, %d actions\n", static_cast<unsigned long long>(g_seed),
                g_actions);
    TestEventStorm test;
    return QTest::qExec(&test, restCount, rest.data());
}

#include "test_event_storm.moc"
