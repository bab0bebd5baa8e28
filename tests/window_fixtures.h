// Helpers shared by the tests that drive the main window: finding its controls by name,
// recording the errors its handlers report, and checking that its controls mirror its state.
#pragma once

#include "handler_guard.h"
#include "main_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QTest>
#include <QTimer>

namespace korvane {

/// Records what would have been shown in an error box, for as long as it lives.
class RecordingReporter {
public:
    RecordingReporter()
        : m_previous(setErrorReporter([this](const QString &message) { messages << message; }))
    {
    }
    ~RecordingReporter() { setErrorReporter(m_previous); }
    RecordingReporter(const RecordingReporter &) = delete;
    RecordingReporter &operator=(const RecordingReporter &) = delete;

    QStringList messages;

private:
    ErrorReporter m_previous;
};

/// A control of the window by its name; the test fails if there is none.
template<class T = QWidget> T *control(const QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

/// The controls' captions, colours and enabled states agree with the apparatus state.
inline bool controlsMirrorState(const Tmilikanfrm &window, QString *why)
{
    const ApparatusState &state = window.state();
    const bool supplyOn = state.VoltageOn == 1;
    const QColor voltColour =
        control<QLabel>(window, "voltlb")->palette().color(QPalette::WindowText);
    const bool timerRunning = control<QTimer>(window, "Timer1")->isActive();
    const struct {
        bool holds;
        const char *what;
    } checks[] = {
        {state.VoltageOn == 0 || state.VoltageOn == 1, "VoltageOn is 0 or 1"},
        {control<QScrollBar>(window, "voltsb")->isEnabled() == supplyOn, "slider enabled"},
        {control<QPushButton>(window, "onoff")->text() ==
             (supplyOn ? QLatin1String("&Off") : QLatin1String("&On")),
         "supply caption"},
        {voltColour == (supplyOn ? QColor(Qt::black) : QColor(192, 192, 192)), "voltage colour"},
        {control<QScrollBar>(window, "voltsb")->value() == state.VoltageSetting, "slider value"},
        {control<QPushButton>(window, "startbt")->text() ==
             (state.StopwatchRunning ? QLatin1String("&Stop") : QLatin1String("&Start")),
         "stopwatch caption"},
        {control<QPushButton>(window, "freezebt")->text() ==
             (timerRunning ? QLatin1String("&Freeze Screen") : QLatin1String("Un&Freeze Screen")),
         "freeze caption"},
        {control<QCheckBox>(window, "flipcb")->isChecked() == (state.Polarity == -1),
         "polarity box"},
        {state.Polarity == 1 || state.Polarity == -1, "Polarity is +1 or -1"},
        {control<QPushButton>(window, "Addbt")->isEnabled() == state.AddOilEnabled,
         "Add Oil enabled"},
    };
    for (const auto &check : checks) {
        if (!check.holds) {
            if (why)
                *why = QLatin1String(check.what);
            return false;
        }
    }
    return true;
}

} // namespace korvane

#define VERIFY_CONTROLS_MIRROR_STATE(window)                                                       \
    do {                                                                                           \
        QString why;                                                                               \
        QVERIFY2(korvane::controlsMirrorState(window, &why), qPrintable(why));                     \
    } while (false)
