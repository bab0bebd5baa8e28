// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds in the main window, read through Qt's accessibility interfaces:
// a name for every control, menu and menu item, what the two pictures show, the voltage
// readout, whose name follows its text, the slider in volts, the stopwatch, which keeps its name
// and is read out when it stops or is reset, and no hidden helper.
#include "accessibility.h"
#include "main_window.h"
#include "scripted_random.h"
#include "step.h"
#include "window_fixtures.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <utility>

using namespace korvane;

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    if (!iface)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return iface;
}

QString nameOf(QObject *object)
{
    return accessible(object)->text(QAccessible::Name);
}

QString descriptionOf(QObject *object)
{
    return accessible(object)->text(QAccessible::Description);
}

// The interface of a menu item, as the menu that holds it presents it.
QAccessibleInterface *itemOf(QMenu *menu, QAction *action)
{
    QAccessibleInterface *list = accessible(menu);
    for (int i = 0; i < list->childCount(); ++i) {
        if (list->child(i)->object() == action)
            return list->child(i);
    }
    return nullptr;
}

// Every element a screen reader can reach below `iface` that shows and bears no name.
void collectUnnamed(QAccessibleInterface *iface, const QObject *skip, QStringList &unnamed,
                    int depth = 0)
{
    if (!iface || depth > 12 || iface->state().invisible)
        return;
    if (iface->object() != skip && iface->role() != QAccessible::Separator &&
        iface->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject *object = iface->object();
        unnamed << QStringLiteral("%1 (%2)").arg(object ? object->objectName() : QString(),
                                                 object ? object->metaObject()->className() : "");
    }
    for (int i = 0; i < iface->childCount(); ++i)
        collectUnnamed(iface->child(i), skip, unnamed, depth + 1);
}

// Every object a screen reader can reach below `iface`, shown or not.
void collectReachable(QAccessibleInterface *iface, QList<const QObject *> &reached, int depth = 0)
{
    if (!iface || depth > 12)
        return;
    reached << iface->object();
    for (int i = 0; i < iface->childCount(); ++i)
        collectReachable(iface->child(i), reached, depth + 1);
}

// What readers are told whichever control has the focus, while this lives: announcements on
// Qt 6.8, notifications that show before it; and what they say of the focused control by
// themselves: its new value, and on Qt 6.8, after a press, its new name or description.
class Told {
public:
    Told()
    {
        messages.clear();
        heard.clear();
        m_previous = QAccessible::installUpdateHandler(record);
        forward = m_previous;
        m_platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
        if (m_platform)
            m_platform->setActive(true); // as when a reader is running
    }
    ~Told()
    {
        QAccessible::installUpdateHandler(m_previous);
        if (m_platform)
            m_platform->setActive(false);
    }
    Told(const Told &) = delete;
    Told &operator=(const Told &) = delete;

    static inline QStringList messages;
    // What a reader on the focused control speaks of these: the announcements, and on Qt 6.8 the
    // focused control's new name or description.
    static inline QStringList heard;

private:
    static void record(QAccessibleEvent *event)
    {
        if (forward) // a handler installed before keeps its events
            forward(event);
        QAccessibleInterface *iface = event->accessibleInterface();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        const bool focused = iface && iface->object() == QApplication::focusWidget();
        if (event->type() == QAccessible::Announcement) {
            messages << static_cast<QAccessibleAnnouncementEvent *>(event)->message();
            heard << messages.last();
        } else if (event->type() == QAccessible::NameChanged && iface) {
            messages << iface->text(QAccessible::Name);
            if (focused)
                heard << messages.last();
        } else if (event->type() == QAccessible::DescriptionChanged && focused) {
            heard << iface->text(QAccessible::Description);
        } else if (event->type() == QAccessible::ValueChanged && focused) {
            heard << iface->text(QAccessible::Value);
        }
#else
        // A notification's words are in the label inside it, which is what braille shows too.
        if (event->type() == QAccessible::ObjectShow && iface &&
            iface->role() == QAccessible::Notification) {
            messages << (iface->childCount() == 1 ? iface->child(0)->text(QAccessible::Name)
                                                  : QString());
            heard << messages.last();
        } else if (event->type() == QAccessible::ValueChanged && iface &&
                   iface->object() == QApplication::focusWidget()) {
            heard << iface->text(QAccessible::Value); // readers say a moved slider's value
        }
#endif
    }

    static inline QAccessible::UpdateHandler forward = nullptr;
    QAccessible::UpdateHandler m_previous = nullptr;
    QPlatformAccessibility *m_platform = nullptr;
};

// A sound output that keeps what it is told to play.
class HeardSound : public sound::SoundOutput {
public:
    State state() const override { return State::Ready; }
    void playCrossing(int line) override { lines << line; }
    void playPlate() override { ++plates; }
    void setDrift(sound::DriftSound sound, double pixelsPerSecond) override
    {
        drift = sound;
        speed = pixelsPerSecond;
    }
    std::chrono::steady_clock::time_point lastToneHandedOver() const override { return {}; }

    QList<int> lines;
    int plates = 0;
    sound::DriftSound drift = sound::DriftSound::Off;
    double speed = 0;
};

// Ten drops in Variable mode: the first large, neutral and just above the lower plate, so that
// it touches the plate within a few steps; the other nine small, neutral and high up.
std::unique_ptr<RandomSource> oneDropNearTheLowerPlate()
{
    QList<int> draws {100, 270, 10, 3};
    for (int i = 1; i < 10; ++i)
        draws << 100 + 40 * i << 0 << 10 << 0;
    return std::make_unique<ScriptedRandom>(draws);
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    std::unique_ptr<Tmilikanfrm> m_window;

    template<class T = QWidget> T *find(const char *name) { return control<T>(*m_window, name); }

    // Ten drops of 0.4 micrometre with -15 charges, once oil is added: the first under the zoom
    // box, y below the injection band's top, the others far off to the right. The window is
    // shown and active, its timer stopped: the test steps by hand.
    bool showOneDropUnderTheBox(int y, OpenSound openSound = nullptr)
    {
        QList<int> draws {0, y, 25, 0};
        for (int i = 1; i < 10; ++i)
            draws << 600 << 150 << 25 << 0;
        m_window = std::make_unique<Tmilikanfrm>(std::make_unique<ScriptedRandom>(draws),
                                                 std::move(openSound));
        m_window->show();
        m_window->activateWindow();
        if (!QTest::qWaitForWindowActive(m_window.get()))
            return false;
        m_window->freezebtClick();
        return true;
    }

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Korvane")); }
    void init() { m_window = std::make_unique<Tmilikanfrm>(oneDropNearTheLowerPlate()); }
    void cleanup() { m_window.reset(); }

    // ---- Names ---------------------------------------------------------------------------------

    void controlNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addRow("Tmilikanfrm") << "Korvane";
        QTest::addRow("Panel1") << "Experiment";
        QTest::addRow("Panel3") << "Apparatus";
        QTest::addRow("capacitor") << "Apparatus view";
        QTest::addRow("zsh") << "Zoom box";
        QTest::addRow("zlb") << "Zoom box:Click and Drag to move";
        QTest::addRow("Panel2") << "Control panel";
        QTest::addRow("GroupBox4") << "Controls";
        // Nested group boxes: each by its own title, not by the outer box's.
        QTest::addRow("GroupBox3") << "Oil";
        QTest::addRow("GroupBox1") << "Voltage";
        QTest::addRow("GroupBox2") << "Timer";
        QTest::addRow("Addbt") << "Add Oil";
        // Check boxes: without the blank their captions start with.
        QTest::addRow("Scalebx") << "Show Scale";
        QTest::addRow("Resetb") << "Clean Up";
        QTest::addRow("onoff") << "On";
        QTest::addRow("voltsb") << "Voltage";
        QTest::addRow("voltlb") << "0 V";
        QTest::addRow("flipcb") << "Flip Voltage";
        QTest::addRow("startbt") << "Start";
        QTest::addRow("timerlb") << "Stopwatch";
        QTest::addRow("resetbt") << "Reset";
        QTest::addRow("threadcb") << "Show Thread";
        QTest::addRow("freezebt") << "Freeze Screen";
        // Its letters stand one below the other; read aloud, they are the two words.
        QTest::addRow("Label2") << "Zoom box";
        QTest::addRow("zim") << "Zoom picture";
        QTest::addRow("SpeedButton1") << "Exit";
    }
    void controlNames()
    {
        QFETCH(QString, name);
        const QString control = QString::fromLatin1(QTest::currentDataTag());
        QObject *object = control == m_window->objectName()
            ? static_cast<QObject *>(m_window.get())
            : find<QObject>(control.toLatin1().constData());
        QCOMPARE(nameOf(object), name);
    }

    void everythingShownHasAName()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QStringList unnamed;
        // The main window's central widget is Qt's holder for the layout, not a control.
        collectUnnamed(accessible(m_window.get()), m_window->centralWidget(), unnamed);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    }

    void menusAndTheirItems_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("menuName");
        QTest::addColumn<QStringList>("items"); // object names of the items, separators left out
        QTest::addColumn<QStringList>("names");
        QTest::addRow("File") << "Edit1"
                              << "File" << QStringList {"Copy2", "Print2", "Exit1"}
                              << QStringList {"Copy", "Print", "Exit"};
        QTest::addRow("Options") << "Options1"
                                 << "Options"
                                 << QStringList {"Variable1", "SameMass1", "SameCharge1",
                                                 "Samecharge2", "Showconstants1"}
                                 << QStringList {"Variable", "Same Radius, 0.4 micrometres",
                                                 "Same +ve Charge", "Same -ve Charge",
                                                 "Show constants"};
        QTest::addRow("Help") << "Help1"
                              << "Help" << QStringList {"about1"} << QStringList {"About"};
        QTest::addRow("pop-up") << "PopupMenu1"
                                << "Apparatus view menu" << QStringList {"Copy1", "Print1"}
                                << QStringList {"Copy", "Print"};
    }
    void menusAndTheirItems()
    {
        QFETCH(QString, menu);
        QFETCH(QString, menuName);
        QFETCH(QStringList, items);
        QFETCH(QStringList, names);
        auto *found = find<QMenu>(menu.toLatin1().constData());
        QCOMPARE(nameOf(found), menuName);
        for (qsizetype i = 0; i < items.size(); ++i) {
            auto *action = m_window->findChild<QAction *>(items.at(i));
            QVERIFY2(action, qPrintable(items.at(i)));
            QAccessibleInterface *item = itemOf(found, action);
            QVERIFY2(item, qPrintable(items.at(i)));
            QCOMPARE(item->role(), QAccessible::MenuItem);
            QCOMPARE(item->text(QAccessible::Name), names.at(i));
            QCOMPARE(item->state().checkable, action->isCheckable());
            QCOMPARE(item->state().checked, action->isChecked());
            QCOMPARE(item->parent()->object(), found);
        }
    }

    void menuBarTitles()
    {
        QAccessibleInterface *bar = accessible(m_window->menuBar());
        QCOMPARE(bar->text(QAccessible::Name), QStringLiteral("Menu bar"));
        QStringList titles;
        for (int i = 0; i < bar->childCount(); ++i)
            titles << bar->child(i)->text(QAccessible::Name);
        QCOMPARE(titles, (QStringList {"File", "Options", "Help"}));
    }

    // A button whose caption changes is renamed with it; the "&" never shows in the name.
    void changingCaptionsRenameTheirButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addRow("supply") << "onoff"
                                << "On"
                                << "Off";
        QTest::addRow("stopwatch") << "startbt"
                                   << "Start"
                                   << "Stop";
        QTest::addRow("freeze") << "freezebt"
                                << "Freeze Screen"
                                << "UnFreeze Screen";
    }
    void changingCaptionsRenameTheirButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, before);
        QFETCH(QString, after);
        auto *pressed = find<QPushButton>(button.toLatin1().constData());
        QCOMPARE(nameOf(pressed), before);
        const Told told;
        QTest::mouseClick(pressed, Qt::LeftButton);
        QCOMPARE(nameOf(pressed), after);
        // The new caption reaches a reader, not only the button's name.
        QVERIFY2(Told::messages.contains(after), qPrintable(Told::messages.join(", ")));
        QTest::mouseClick(pressed, Qt::LeftButton);
        QCOMPARE(nameOf(pressed), before);
    }

    void spokenCaptions_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("spoken");
        QTest::addRow("underlined first letter") << "&Add Oil"
                                                 << "Add Oil";
        QTest::addRow("underlined inner letter") << "Un&Freeze Screen"
                                                 << "UnFreeze Screen";
        QTest::addRow("leading blank") << " &Flip Voltage"
                                       << "Flip Voltage";
        QTest::addRow("doubled ampersand is one") << "Salt && Pepper"
                                                  << "Salt & Pepper";
        QTest::addRow("trailing ampersand") << "Oil&"
                                            << "Oil";
        QTest::addRow("no letter underlined") << "Show constants"
                                              << "Show constants";
        QTest::addRow("empty") << ""
                               << "";
    }
    void spokenCaptions()
    {
        QFETCH(QString, caption);
        QFETCH(QString, spoken);
        QCOMPARE(spokenCaption(caption), spoken);
    }

    // ---- The pictures --------------------------------------------------------------------------

    void picturesAreGraphics()
    {
        for (const char *name : {"capacitor", "zim"}) {
            QCOMPARE(accessible(find(name))->role(), QAccessible::Graphic);
            QVERIFY(!descriptionOf(find(name)).isEmpty());
        }
    }

    void apparatusViewTellsItsDrops()
    {
        QWidget *view = find("capacitor");
        QCOMPARE(descriptionOf(view), QStringLiteral("No drops between the plates"));
        m_window->freezebtClick(); // the test steps by hand
        QTest::mouseClick(find("Addbt"), Qt::LeftButton);
        QCOMPARE(m_window->state().DropCount, 10);
        QCOMPARE(descriptionOf(view), QStringLiteral("10 drops floating between the plates"));

        // The large drop touches the lower plate within a few steps; the small ones float on.
        int steps = 0;
        while (floatingDrops(m_window->state()) == 10 && steps < 50) {
            m_window->Timer1Timer();
            ++steps;
        }
        QCOMPARE(floatingDrops(m_window->state()), 9);
        QCOMPARE(descriptionOf(view), QStringLiteral("9 drops floating between the plates"));

        // Clean Up does not redraw: the picture, and so its description, still shows the drops
        // until the next redraw.
        QTest::mouseClick(find("Resetb"), Qt::LeftButton);
        QCOMPARE(descriptionOf(view), QStringLiteral("9 drops floating between the plates"));
        m_window->Timer1Timer();
        QCOMPARE(descriptionOf(view), QStringLiteral("No drops between the plates"));
    }

    void descriptionsForEachCount_data()
    {
        QTest::addColumn<int>("floating");
        QTest::addColumn<QString>("description");
        QTest::addRow("none") << 0 << "No drops between the plates";
        QTest::addRow("one") << 1 << "1 drop floating between the plates";
        QTest::addRow("two") << 2 << "2 drops floating between the plates";
        QTest::addRow("a full table") << 100 << "100 drops floating between the plates";
    }
    void descriptionsForEachCount()
    {
        QFETCH(int, floating);
        QFETCH(QString, description);
        QCOMPARE(apparatusDescription(floating), description);
    }

    // ---- The readouts --------------------------------------------------------------------------

    // Their names are their current text, so that a screen reader hears each new reading.
    void voltageReadoutFollowsTheSlider()
    {
        auto *voltlb = find<QLabel>("voltlb");
        QCOMPARE(descriptionOf(voltlb), QStringLiteral("Voltage across the plates"));
        QTest::mouseClick(find("onoff"), Qt::LeftButton);
        find<QScrollBar>("voltsb")->setValue(1250);
        QCOMPARE(nameOf(voltlb), voltlb->text());
        QVERIFY(nameOf(voltlb).startsWith(QStringLiteral("12")));
        QVERIFY(nameOf(voltlb).endsWith(QStringLiteral(" V")));
    }

    // Its name stays, so that Qt does not announce every step; its time is its text, and a
    // reader is told it once when the stopwatch stops and once when it is reset.
    void stopwatchReadoutFollowsTheCount()
    {
        auto *timerlb = find<QLabel>("timerlb");
        QCOMPARE(descriptionOf(timerlb), QStringLiteral("Stopwatch"));
        QAccessibleTextInterface *text = accessible(timerlb)->textInterface();
        QVERIFY(text);
        static QStringList told;
        static const QObject *stopwatch;
        told.clear();
        stopwatch = timerlb;
        const QAccessible::UpdateHandler previous =
            QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
                if (event->object() != stopwatch)
                    return;
                if (event->type() == QAccessible::TextUpdated)
                    told << static_cast<QAccessibleTextUpdateEvent *>(event)->textInserted();
                else if (event->type() == QAccessible::NameChanged)
                    told << QStringLiteral("name changed");
            });
        // As when a reader is running: Qt raises no events otherwise.
        QPlatformAccessibility *platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform);
        platform->setActive(true);
        const auto restore = qScopeGuard([previous, platform] {
            QAccessible::installUpdateHandler(previous);
            platform->setActive(false);
        });

        m_window->freezebtClick();
        QTest::mouseClick(find("startbt"), Qt::LeftButton);
        for (int i = 0; i < 12; ++i)
            m_window->Timer1Timer();
        QCOMPARE(timerlb->text(), QStringLiteral("1.2 s"));
        QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("1.2 s"));
        QCOMPARE(nameOf(timerlb), QStringLiteral("Stopwatch"));
        QCOMPARE(told, QStringList());
        const Told heard;
        QTest::mouseClick(find("startbt"), Qt::LeftButton);
        QCOMPARE(told, QStringList {QStringLiteral("1.2 s")});
        // Readers present no change of a label's text: the time is announced, and the button
        // that stopped it tells it to anyone who asks.
        QVERIFY2(Told::messages.contains(QStringLiteral("1.2 seconds")),
                 qPrintable(Told::messages.join(", ")));
        QCOMPARE(descriptionOf(find("startbt")), QStringLiteral("Stopwatch: 1.2 seconds"));
        QTest::mouseClick(find("resetbt"), Qt::LeftButton);
        QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("0.0 s"));
        QCOMPARE(nameOf(timerlb), QStringLiteral("Stopwatch"));
        QCOMPARE(told, (QStringList {QStringLiteral("1.2 s"), QStringLiteral("0.0 s")}));
    }

    // The slider's value is in volts, read as the voltage label writes it; a reader sets it as
    // the user's keys would, and only while the supply is on.
    void sliderInVolts_data()
    {
        QTest::addColumn<bool>("supplyOn");
        QTest::addColumn<double>("volts");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("reading");
        QTest::addRow("12.34 V") << true << 12.34 << "en_GB" << 1234 << "12.34 V";
        QTest::addRow("the user's decimal separator")
            << true << 12.34 << "de_DE" << 1234 << "12,34 V";
        QTest::addRow("above the range stops at 50 V") << true << 80.0 << "en_GB" << 5000 << "50 V";
        QTest::addRow("below the range stops at 0 V") << true << -3.0 << "en_GB" << 0 << "0 V";
        QTest::addRow("not a number leaves it") << true << std::nan("") << "en_GB" << 0 << "0 V";
        QTest::addRow("the supply off leaves it") << false << 12.34 << "en_GB" << 0 << "0 V";
    }
    void sliderInVolts()
    {
        QFETCH(bool, supplyOn);
        QFETCH(double, volts);
        QFETCH(QString, locale);
        QFETCH(int, position);
        QFETCH(QString, reading);
        const QLocale previous;
        QLocale::setDefault(QLocale(locale));
        const auto restore = qScopeGuard([&previous] { QLocale::setDefault(previous); });
        m_window = std::make_unique<Tmilikanfrm>(oneDropNearTheLowerPlate());
        auto *voltsb = find<QScrollBar>("voltsb");
        QAccessibleInterface *iface = accessible(voltsb);
        // Presented as the scroll bar it is, whose keys go as a scroll bar's do.
        QCOMPARE(iface->role(), QAccessible::ScrollBar);
        QAccessibleValueInterface *value = iface->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->minimumValue().toDouble(), 0.0);
        QCOMPARE(value->maximumValue().toDouble(), 50.0);
        QCOMPARE(value->minimumStepSize().toDouble(), 0.01);
        if (supplyOn)
            QTest::mouseClick(find("onoff"), Qt::LeftButton);
        value->setCurrentValue(volts);
        QCOMPARE(voltsb->value(), position);
        QCOMPARE(m_window->state().VoltageSetting, position); // the program's handler ran
        QCOMPARE(value->currentValue().toDouble(), position / 100.0);
        QCOMPARE(iface->text(QAccessible::Value), reading);
        QCOMPARE(iface->text(QAccessible::Description), reading);
        QCOMPARE(find<QLabel>("voltlb")->text(), reading);
    }

    // ---- The apparatus by ear -------------------------------------------------------------------

    // Once a student has come to the zoom box (F6), each crossing of a scale line by the drop it
    // follows is announced once, and never two within a second, however fast the drop.
    void crossingsAnnouncedOnceEach_data()
    {
        QTest::addColumn<int>("y"); // the followed drop's start, below the injection band's top
        QTest::addColumn<int>("volts"); // 0: the supply off
        QTest::addColumn<int>("steps");
        QTest::addColumn<QStringList>("lines");
        // 0.4 micrometre, falling some 5 px a second: lines 0.2 to 0.6 in 330 steps.
        QTest::addRow("a slow fall: every line once, in order")
            << 20 << 0 << 330 << QStringList {"0.2", "0.3", "0.4", "0.5", "0.6"};
        // -15 charges at 50 V rise some 20 px a step, past a line every 1.5 steps, from just
        // above the lower plate to the upper one.
        QTest::addRow("a fast rise: one a second at most") << 265 << 50 << 20 << QStringList();
    }
    void crossingsAnnouncedOnceEach()
    {
        QFETCH(int, y);
        QFETCH(int, volts);
        QFETCH(int, steps);
        QFETCH(QStringList, lines);
        QVERIFY(showOneDropUnderTheBox(y));
        if (volts > 0) {
            m_window->onoffClick();
            find<QScrollBar>("voltsb")->setValue(volts * 100);
        }
        m_window->AddbtClick();
        QTest::keyClick(m_window.get(), Qt::Key_F6);
        QCOMPARE(QApplication::focusWidget(), find("zsh"));
        QVERIFY(descriptionOf(find("zsh")).contains(QStringLiteral(" s a division, near ")));

        const Told told;
        QStringList announced;
        QList<int> at;
        for (int step = 1; step <= steps; ++step) {
            m_window->Timer1Timer();
            for (const QString &message : std::exchange(Told::messages, {})) {
                if (message.startsWith(QStringLiteral("Line "))) {
                    announced << message.mid(5);
                    at << step;
                }
            }
        }
        if (!lines.isEmpty())
            QCOMPARE(announced, lines);
        QVERIFY(!announced.isEmpty());
        for (qsizetype i = 1; i < at.size(); ++i)
            QVERIFY2(at.at(i) - at.at(i - 1) >= 10, qPrintable(announced.join(", ")));
    }

    // What a student does or hears of is told once: not a second time by a new description.
    void toldOnce_data()
    {
        QTest::addColumn<QString>("moment");
        QTest::addColumn<QString>("heard");
        QTest::addRow("a key on the slider") << "slider"
                                             << "0.01";
        QTest::addRow("Reset while on Start") << "reset"
                                              << "0.0 seconds";
        QTest::addRow("Enter once the drop has moved") << "enter"
                                                       << "Falling, 6.0 s a division, near ";
        QTest::addRow("a crossing in the zoom box") << "crossing"
                                                    << "Line 0.2";
    }
    void toldOnce()
    {
        QFETCH(QString, moment);
        QFETCH(QString, heard);
        QVERIFY(showOneDropUnderTheBox(20)); // the slow fall above
        m_window->AddbtClick();
        std::unique_ptr<Told> told;
        if (moment == QLatin1String("slider")) {
            m_window->onoffClick();
            find("voltsb")->setFocus();
            told = std::make_unique<Told>();
            QTest::keyClick(find("voltsb"), Qt::Key_Right);
        } else if (moment == QLatin1String("reset")) {
            m_window->startbtClick();
            for (int i = 0; i < 12; ++i)
                m_window->Timer1Timer();
            m_window->startbtClick();
            find("startbt")->setFocus();
            told = std::make_unique<Told>();
            m_window->resetbtClick();
        } else {
            QTest::keyClick(m_window.get(), Qt::Key_F6);
            QCOMPARE(QApplication::focusWidget(), find("zsh"));
            if (moment == QLatin1String("enter")) {
                for (int i = 0; i < 30; ++i)
                    m_window->Timer1Timer();
                told = std::make_unique<Told>();
                QTest::keyClick(find("zsh"), Qt::Key_Return);
            } else {
                told = std::make_unique<Told>();
                for (int i = 0; i < 330 && Told::heard.isEmpty(); ++i)
                    m_window->Timer1Timer();
            }
        }
        const QString all = Told::heard.join(QStringLiteral(" | "));
        QVERIFY2(Told::heard.size() == 1, qPrintable(all));
        QVERIFY2(Told::heard.first().contains(heard), qPrintable(all));
    }

    // With sound, every crossing is a tone of its line in the very step the drop crosses it,
    // however fast the drop: nothing waits in a queue. Nothing sounds, and no sound server is
    // asked for, until the student follows a drop.
    void crossingsSoundedInTheirStep_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("volts");
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("follow");
        QTest::addColumn<QList<int>>("lines");
        QTest::addRow("a slow fall") << 20 << 0 << 330 << true << QList<int> {2, 3, 4, 5, 6};
        QTest::addRow("a fast rise, every line")
            << 265 << 50 << 20 << true << QList<int> {9, 8, 7, 6, 5, 4, 3, 2, 1};
        QTest::addRow("not followed: nothing") << 20 << 0 << 330 << false << QList<int>();
    }
    void crossingsSoundedInTheirStep()
    {
        QFETCH(int, y);
        QFETCH(int, volts);
        QFETCH(int, steps);
        QFETCH(bool, follow);
        QFETCH(QList<int>, lines);
        HeardSound *heard = nullptr;
        QVERIFY(showOneDropUnderTheBox(y, [&heard] {
            auto sound = std::make_unique<HeardSound>();
            heard = sound.get();
            return sound;
        }));
        if (volts > 0) {
            m_window->onoffClick();
            find<QScrollBar>("voltsb")->setValue(volts * 100);
        }
        m_window->AddbtClick();
        if (follow)
            QTest::keyClick(m_window.get(), Qt::Key_F6);
        const auto followed = [this]() -> const Drop * {
            for (int n = 1; n <= m_window->state().DropCount; ++n) {
                if (m_window->state().slot(n).X == 30 && m_window->state().slot(n).Gone == 0)
                    return &m_window->state().slot(n);
            }
            return nullptr;
        };
        for (int step = 1; step <= steps && followed(); ++step) {
            const int before = scaleLinesAbove(m_window->state(), *followed());
            const qsizetype told = heard ? heard->lines.size() : 0;
            m_window->Timer1Timer();
            if (!followed())
                break;
            const int now = scaleLinesAbove(m_window->state(), *followed());
            if (follow && now != before) {
                QCOMPARE(heard->lines.size(), told + 1);
                QCOMPARE(heard->lines.last(), now > before ? now : now + 1);
            }
        }
        QCOMPARE(heard ? heard->lines : QList<int>(), lines);
    }

    // F5 lets the student hear the followed drop drift: falling or rising at its speed, nothing
    // while the screen is frozen; the direction is the field's as it is now, frozen or not.
    void driftHeard()
    {
        HeardSound *heard = nullptr;
        QVERIFY(showOneDropUnderTheBox(20, [&heard] {
            auto sound = std::make_unique<HeardSound>();
            heard = sound.get();
            return sound;
        }));
        m_window->freezebtClick(); // running
        m_window->AddbtClick();
        QTest::keyClick(m_window.get(), Qt::Key_F6);
        QTest::keyClick(m_window.get(), Qt::Key_F5);
        QCOMPARE(heard->drift, sound::DriftSound::Falling);
        QVERIFY(std::fabs(heard->speed - 4.9697) < 0.001);
        m_window->freezebtClick();
        QCOMPARE(heard->drift, sound::DriftSound::Off);
        // Raised while frozen: the drop stands, but would rise, and is described so.
        const Told told;
        m_window->onoffClick();
        find<QScrollBar>("voltsb")->setValue(5000);
        QTest::keyClick(m_window.get(), Qt::Key_F9);
        QVERIFY2(!Told::heard.isEmpty() &&
                     Told::heard.last().startsWith(QStringLiteral("Rising, ")),
                 qPrintable(Told::heard.join(" | ")));
        QCOMPARE(heard->drift, sound::DriftSound::Off);
        m_window->freezebtClick();
        QCOMPARE(heard->drift, sound::DriftSound::Rising);
        QTest::keyClick(m_window.get(), Qt::Key_F5);
        QCOMPARE(heard->drift, sound::DriftSound::Off);
    }

    // A drop that reaches a plate is told in a few words and a tone; Clean Up, which takes the
    // drops away, is not a drop reaching a plate.
    void plateOrCleanUp_data()
    {
        QTest::addColumn<bool>("cleanUp");
        QTest::addRow("the lower plate") << false;
        QTest::addRow("Clean Up") << true;
    }
    void plateOrCleanUp()
    {
        QFETCH(bool, cleanUp);
        HeardSound *heard = nullptr;
        QVERIFY(showOneDropUnderTheBox(265, [&heard] {
            auto sound = std::make_unique<HeardSound>();
            heard = sound.get();
            return sound;
        }));
        m_window->AddbtClick();
        QTest::keyClick(m_window.get(), Qt::Key_F6);
        const Told told;
        if (cleanUp)
            m_window->ResetbClick();
        for (int step = 0; step < 80; ++step)
            m_window->Timer1Timer();
        const QStringList plate = Told::messages.filter(QStringLiteral("plate"));
        if (cleanUp) {
            QCOMPARE(plate, QStringList {QStringLiteral("No drops between the plates")});
            QCOMPARE(heard->plates, 0);
        } else {
            QCOMPARE(plate.first(), QStringLiteral("Reached the lower plate"));
            QCOMPARE(heard->plates, 1);
        }
    }

    // In the zoom box: Space starts and stops the stopwatch, Delete resets it, and a voltage
    // typed in digits is set with Enter, as the slider would set it, while the supply is on.
    // While the drift sound plays it answers the voltage; only one not as typed is said.
    void zoomBoxKeys_data()
    {
        QTest::addColumn<bool>("supplyOn");
        QTest::addColumn<bool>("drift");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("said");
        QTest::addRow("14.03 V") << true << false << "14.03" << 1403 << "14.03 volts";
        QTest::addRow("a comma for the point") << true << false << "12,5" << 1250 << "12.5 volts";
        QTest::addRow("one volt") << true << false << "1" << 100 << "1 volt";
        QTest::addRow("beyond 50 V") << true << false << "80" << 5000 << "50 volts";
        QTest::addRow("not a number") << true << false << "1.2.3" << 0 << "Not a voltage: 1.2.3";
        QTest::addRow("the supply off") << false << false << "14" << 0 << "The supply is off";
        QTest::addRow("drift heard") << true << true << "14.03" << 1403 << "";
        QTest::addRow("drift heard, beyond 50 V") << true << true << "80" << 5000 << "50 volts";
    }
    void zoomBoxKeys()
    {
        QFETCH(bool, supplyOn);
        QFETCH(bool, drift);
        QFETCH(QString, typed);
        QFETCH(int, position);
        QFETCH(QString, said);
        QVERIFY(showOneDropUnderTheBox(20, [] { return std::make_unique<HeardSound>(); }));
        m_window->AddbtClick();
        if (supplyOn)
            m_window->onoffClick();
        QTest::keyClick(m_window.get(), Qt::Key_F6);
        QWidget *box = find("zsh");
        const Told told;
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(m_window->state().StopwatchRunning);
        for (int i = 0; i < 12; ++i)
            m_window->Timer1Timer();
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(!m_window->state().StopwatchRunning);
        QVERIFY2(Told::messages.contains(QStringLiteral("1.2 seconds")),
                 qPrintable(Told::messages.join(" | ")));
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(find<QLabel>("timerlb")->text(), QStringLiteral("0.0 s"));
        if (drift) {
            m_window->freezebtClick(); // running: a frozen drop is not heard drifting
            QTest::keyClick(m_window.get(), Qt::Key_F5);
        }
        const qsizetype before = Told::messages.size();
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(find<QScrollBar>("voltsb")->value(), position);
        QCOMPARE(m_window->state().VoltageSetting, position);
        // Qt 6.8 also tells readers of the renamed voltage labels; those are not said here.
        const QStringList since = Told::messages.mid(before);
        if (said.isEmpty())
            QVERIFY2(since.filter(QStringLiteral(" volt")).isEmpty(),
                     qPrintable(since.join(" | ")));
        else
            QCOMPARE(since.isEmpty() ? QString() : since.last(), said);
        QCOMPARE(QApplication::focusWidget(), box);
    }

    // Alt alone leaves the menu bar waiting for a letter; F6 still goes to the zoom box, and F6
    // again comes back to the control panel rather than to the menu bar, which kept the keys.
    void f6AfterAltAlone()
    {
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClick(m_window.get(), Qt::Key_Alt);
        if (QApplication::focusWidget() != m_window->menuBar())
            QSKIP("Alt alone does not enter the menu bar in this style");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QCOMPARE(QApplication::focusWidget(), find("zsh"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QCOMPARE(QApplication::focusWidget(), find("Scalebx"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QCOMPARE(QApplication::focusWidget(), find("zsh"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), find("Scalebx"));
    }

    // The charge estimate's hidden inputs and output, and the About box's hidden button, are
    // not where a reader looks.
    void hiddenHelpersAreLeftOut()
    {
        auto *about = find<QDialog>("Taboutboxp");
        QList<const QObject *> reached;
        collectReachable(accessible(m_window.get()), reached);
        collectReachable(accessible(about), reached);
        QVERIFY(reached.contains(find("timerlb")));
        QVERIFY(reached.contains(about->findChild<QLabel *>(QStringLiteral("Version"))));
        for (const char *name : {"timebx", "distxt", "Label1", "Label6", "returnbt"}) {
            QObject *helper = find<QObject>(name);
            QVERIFY2(!reached.contains(helper), name);
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
