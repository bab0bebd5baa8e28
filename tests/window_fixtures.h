// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers shared by the tests that drive the main window: finding its controls by name,
// recording the errors its handlers report, and checking that its controls mirror its state.
#pragma once

#include "control_panel.h"
#include "handler_guard.h"
#include "main_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QLocale>
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

/// The controls that Tab visits, in the order it visits them, from the first.
inline const QStringList TabStops {"Scalebx", "Addbt",   "Resetb",  "onoff",    "voltsb",
                                   "flipcb",  "resetbt", "startbt", "threadcb", "freezebt"};

/// A control of the window by its name. A missing control ends the test with a failure that
/// names it, in every build (Q_ASSERT would vanish from a release build and leave a crash).
template<class T = QWidget> T *control(const QObject &window, const QString &name)
{
    T *found = window.findChild<T *>(name);
    if (!found)
        qFatal("no control %s of that kind", qPrintable(name));
    return found;
}
template<class T = QWidget> T *control(const QObject &window, const char *name)
{
    return control<T>(window, QLatin1String(name));
}

/// What in the controls' captions, colours, values and enabled states disagrees with the
/// apparatus state; empty when they mirror it.
inline QString controlsDisagree(const Tmilikanfrm &window)
{
    const ApparatusState &s = window.state();
    if (s.VoltageOn != 0 && s.VoltageOn != 1)
        return QStringLiteral("VoltageOn %1").arg(s.VoltageOn);
    const bool on = s.VoltageOn == 1;
    const auto *voltsb = control<QScrollBar>(window, "voltsb");
    const auto *voltlb = control<QLabel>(window, "voltlb");
    const auto *onoff = control<QPushButton>(window, "onoff");
    const auto *startbt = control<QPushButton>(window, "startbt");
    const auto *freezebt = control<QPushButton>(window, "freezebt");
    const bool timerRunning = control<QTimer>(window, "Timer1")->isActive();
    if (voltsb->isEnabled() != on)
        return QStringLiteral("the slider's enabled state disagrees with the supply");
    if (onoff->text() != (on ? QLatin1String("&Off") : QLatin1String("&On")))
        return QStringLiteral("onoff reads %1").arg(onoff->text());
    if (voltlb->palette().color(QPalette::WindowText) !=
        (on ? QColor(Qt::black) : QColor(192, 192, 192)))
        return QStringLiteral("voltlb's colour disagrees with the supply");
    if (voltsb->value() != s.VoltageSetting)
        return QStringLiteral("slider at %1, VoltageSetting %2")
            .arg(voltsb->value())
            .arg(s.VoltageSetting);
    const QString volts = QString::fromStdString(
        voltageText(s.VoltageSetting, QLocale().decimalPoint().toStdString()));
    if (voltlb->text() != volts)
        return QStringLiteral("voltlb reads %1, not %2").arg(voltlb->text(), volts);
    if (startbt->text() != (s.StopwatchRunning ? QLatin1String("&Stop") : QLatin1String("&Start")))
        return QStringLiteral("startbt reads %1").arg(startbt->text());
    if (freezebt->text() !=
        (timerRunning ? QLatin1String("&Freeze Screen") : QLatin1String("Un&Freeze Screen")))
        return QStringLiteral("freezebt reads %1 with the timer %2")
            .arg(freezebt->text(), timerRunning ? "running" : "stopped");
    if (s.Polarity != 1 && s.Polarity != -1)
        return QStringLiteral("Polarity %1").arg(s.Polarity);
    if (control<QCheckBox>(window, "flipcb")->isChecked() != (s.Polarity == -1))
        return QStringLiteral("flipcb disagrees with Polarity %1").arg(s.Polarity);
    if (control<QPushButton>(window, "Addbt")->isEnabled() != s.AddOilEnabled)
        return QStringLiteral("Add Oil's enabled state disagrees with AddOilEnabled");
    return QString();
}

} // namespace korvane

#define VERIFY_CONTROLS_MIRROR_STATE(window)                                                       \
    do {                                                                                           \
        const QString fault = korvane::controlsDisagree(window);                                   \
        QVERIFY2(fault.isEmpty(), qPrintable(fault));                                              \
    } while (false)
