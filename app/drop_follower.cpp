// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drop_follower.h"

#include "accessibility.h"
#include "apparatus_renderer.h"
#include "desktop.h"
#include "timeline.h"
#include "zoom_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMenuBar>
#include <QShortcut>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace korvane {

namespace {

// A scale line by its label, 1 to 9 for 0.1 to 0.9, with the user's decimal separator.
QString lineLabel(int line)
{
    return QLocale().toString(line / 10.0, 'f', 1);
}

// Where the drop is, by the nearest line of the scale or plate.
QString nearText(const DropReading &reading)
{
    const int nearest = std::clamp(static_cast<int>(std::lround(reading.divisions)), 0, 10);
    if (nearest == 0)
        return DropFollower::tr("near the upper plate");
    if (nearest == 10)
        return DropFollower::tr("near the lower plate");
    return DropFollower::tr("near line %1").arg(lineLabel(nearest));
}

// The time the drop takes for a division, as a student would time it.
QString secondsPerDivision(const ApparatusState &state, double pixelsPerStep)
{
    const double seconds = (state.PlateGap / 10) / std::fabs(pixelsPerStep) / 10.0;
    return QLocale().toString(seconds, 'f', seconds < 10 ? 1 : 0);
}

// What a key typed into the zoom box adds to a voltage, or nothing.
QString voltageCharacter(const QKeyEvent *key)
{
    const QString text = key->text();
    if (text.size() == 1 &&
        (text.at(0).isDigit() || text == QLatin1String(".") || text == QLatin1String(",")))
        return text;
    return QString();
}

} // namespace

DropFollower::DropFollower(QWidget *window, const ApparatusState &state, ZoomBox *box,
                           MoveBox moveBox, PanelAccess panel, OpenSound openSound)
    : QObject(window), m_window(window), m_state(state), m_box(box), m_moveBox(std::move(moveBox)),
      m_panel(std::move(panel)), m_openSound(std::move(openSound))
{
    // F6 moves between the control panel and the apparatus, as it moves between panes
    // elsewhere; the box takes the focus from it alone, never from Tab or a click. The other
    // function keys work from anywhere and move no focus; none depends on the language.
    const auto key = [this, window](Qt::Key code, void (DropFollower::*action)()) {
        connect(new QShortcut(QKeySequence(code), window), &QShortcut::activated, this, action);
    };
    key(Qt::Key_F5, &DropFollower::toggleDrift);
    key(Qt::Key_F6, &DropFollower::toggleFocus);
    connect(new QShortcut(QKeySequence(Qt::Key_F7), window), &QShortcut::activated, this,
            [this] { say(m_panel.voltage()); });
    connect(new QShortcut(QKeySequence(Qt::Key_F8), window), &QShortcut::activated, this,
            [this] { say(m_panel.stopwatch()); });
    connect(new QShortcut(QKeySequence(Qt::Key_F9), window), &QShortcut::activated, this, [this] {
        startFollowing();
        const QString before = m_box->accessibleDescription();
        describe();
        if (!m_box->hasFocus() || m_box->accessibleDescription() == before ||
            !readersHearNewDescriptions(m_box))
            say(description());
    });
    m_box->installEventFilter(this);
}

DropFollower::~DropFollower() = default;

QPoint DropFollower::boxCentre() const
{
    return m_box->pos() - QPoint(viewgeometry::PictureOffset, viewgeometry::PictureOffset) +
        QPoint(ZoomBox::Side / 2, ZoomBox::Side / 2);
}

bool DropFollower::following() const
{
    return m_listening || screenReaderKnown();
}

bool DropFollower::soundReady() const
{
    return m_sound && m_sound->state() == sound::SoundOutput::State::Ready;
}

void DropFollower::startFollowing()
{
    m_listening = true;
    if (!m_sound && m_openSound)
        m_sound = m_openSound();
    tellIfSoundUnavailable();
}

void DropFollower::tellIfSoundUnavailable()
{
    if (m_toldSoundUnavailable || !m_sound ||
        m_sound->state() != sound::SoundOutput::State::Unavailable)
        return;
    m_toldSoundUnavailable = true;
    say(tr("Sound is not available: the crossings are spoken."));
}

void DropFollower::say(const QString &message)
{
    announce(m_window, message);
}

void DropFollower::look(std::int64_t step)
{
    if (m_sound && m_sound->lastToneHandedOver() != m_toneNoted) {
        m_toneNoted = m_sound->lastToneHandedOver();
        noteOnTimeline(QStringLiteral("tone handed over"), m_toneNoted);
    }
    const QPoint centre = boxCentre();
    const DropLook look = m_watch.look(m_state, centre.x(), centre.y());
    m_last = look;
    if (!following()) {
        if (look.lost || look.crossedLine != 0 || look.anotherDrop)
            describe();
        return;
    }
    if (!m_sound)
        startFollowing();
    tellIfSoundUnavailable();
    bool spoken = false;
    if (look.lost) {
        if (soundReady())
            m_sound->playPlate();
        say(look.reached == Plate::Upper ? tr("Reached the upper plate")
                                         : tr("Reached the lower plate"));
        spoken = true;
    } else if (look.crossedLine != 0) {
        spoken = !soundReady();
        crossed(look.crossedLine, step);
    }
    updateDrift();
    if (!look.lost && look.crossedLine == 0 && !look.anotherDrop)
        return;
    // The description keeps up with the drop, but is not read out again on top of what was just
    // said: where a reader would do that, it waits until the student asks.
    if (!(spoken && readersHearNewDescriptions(m_box)))
        describe();
}

void DropFollower::crossed(int line, std::int64_t step)
{
    noteOnTimeline(QStringLiteral("crossing %1 step %2").arg(line).arg(step));
    //: A crossing in the list of the last ones: %1 the line, as 0.3; %2 the stopwatch, "3.4 s".
    m_crossings.prepend(tr("Line %1 at %2").arg(lineLabel(line), m_panel.stopwatchShown()));
    if (m_crossings.size() > CrossingsKept)
        m_crossings.removeLast();
    m_crossingRead = -1;
    if (soundReady()) {
        m_sound->playCrossing(line);
        return;
    }
    // Spoken, a crossing takes longer to say than a fast drop takes to the next one.
    if (step - m_lastSpokenCrossing < SpokenCrossingSteps)
        return;
    m_lastSpokenCrossing = step;
    //: Said the moment the followed drop crosses a scale line; %1 is its label, as 0.3.
    say(tr("Line %1").arg(lineLabel(line)));
}

bool DropFollower::updateDrift()
{
    if (!soundReady())
        return false;
    const std::optional<DropReading> reading =
        m_driftOn && !m_frozen ? m_watch.reading(m_state) : std::nullopt;
    if (!reading) {
        m_sound->setDrift(sound::DriftSound::Off);
        return false;
    }
    const double pixelsPerSecond = std::fabs(reading->pixelsPerStep) * 10.0;
    switch (reading->drift) {
    case Drift::Falling:
        m_sound->setDrift(sound::DriftSound::Falling, pixelsPerSecond);
        break;
    case Drift::Rising:
        m_sound->setDrift(sound::DriftSound::Rising, pixelsPerSecond);
        break;
    case Drift::Hanging:
        m_sound->setDrift(sound::DriftSound::Hanging);
        break;
    }
    return true;
}

void DropFollower::setFrozen(bool frozen)
{
    m_frozen = frozen;
    updateDrift();
}

void DropFollower::forget()
{
    m_watch.forget();
    updateDrift();
}

QString DropFollower::description() const
{
    const std::optional<DropReading> reading = m_watch.reading(m_state);
    if (!reading)
        return apparatusDescription(floatingDrops(m_state));
    switch (reading->drift) {
    case Drift::Hanging:
        //: The followed drop, the field holding it; %1 where it is, as "near line 0.5".
        return tr("Hanging still, %1").arg(nearText(*reading));
    case Drift::Falling:
        //: The followed drop: %1 seconds it takes for a scale division; %2 where it is.
        return tr("Falling, %1 s a division, %2")
            .arg(secondsPerDivision(m_state, reading->pixelsPerStep), nearText(*reading));
    case Drift::Rising:
        return tr("Rising, %1 s a division, %2")
            .arg(secondsPerDivision(m_state, reading->pixelsPerStep), nearText(*reading));
    }
    return QString();
}

void DropFollower::describe()
{
    m_box->setAccessibleDescription(description());
}

void DropFollower::toggleFocus()
{
    if (m_box->hasFocus()) {
        QWidget *back = m_returnTo;
        // The menu bar, entered with Alt alone, is no place to come back to: the first control
        // of the panel is.
        if (!back || qobject_cast<QMenuBar *>(back) || !back->isEnabled() || !back->isVisible()) {
            back = m_box->nextInFocusChain();
            while (back != m_box &&
                   (!(back->focusPolicy() & Qt::TabFocus) || !back->isEnabled() ||
                    !back->isVisibleTo(m_window) || back->window() != m_window))
                back = back->nextInFocusChain();
        }
        back->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    QWidget *focused = QApplication::focusWidget();
    if (auto *bar = qobject_cast<QMenuBar *>(focused)) {
        // Alt alone left the menu bar waiting for a letter: it lets go before the box takes
        // the focus, or it would keep the keys.
        bar->setActiveAction(nullptr);
        focused = nullptr;
    }
    m_returnTo = focused;
    startFollowing();
    describe();
    m_box->setFocus(Qt::ShortcutFocusReason);
}

void DropFollower::toggleDrift()
{
    startFollowing();
    if (m_sound && m_sound->state() == sound::SoundOutput::State::Unavailable) {
        say(tr("Sound is not available"));
        return;
    }
    m_driftOn = !m_driftOn;
    updateDrift();
    say(m_driftOn ? tr("Drift sound on") : tr("Drift sound off"));
}

void DropFollower::moveToNeighbour(int direction)
{
    const QPoint centre = boxCentre();
    const std::optional<int> next = m_watch.neighbour(m_state, direction, centre.x(), centre.y());
    if (!next) {
        say(apparatusDescription(0));
        return;
    }
    const Drop &drop = m_state.slot(*next);
    const int size = dropSize(drop);
    // The box's centre onto the drop's, as a drag would put it.
    const QPoint dropCentre(drop.X + size / 2 + viewgeometry::PictureOffset,
                            drop.Y + size / 2 + viewgeometry::PictureOffset);
    const QPoint topLeft = ZoomBox::dragged(m_box->pos(), dropCentre - m_box->pos());
    const QPoint newCentre = topLeft -
        QPoint(viewgeometry::PictureOffset, viewgeometry::PictureOffset) +
        QPoint(ZoomBox::Side / 2, ZoomBox::Side / 2);
    m_watch.follow(m_state, *next, newCentre.x(), newCentre.y());
    m_moveBox(topLeft);
    updateDrift();
    describe();
    announceDescription(m_box);
}

void DropFollower::readCrossing(int direction)
{
    if (m_crossings.isEmpty()) {
        say(tr("No crossings yet"));
        return;
    }
    m_crossingRead = m_crossingRead < 0
        ? 0
        : std::clamp(m_crossingRead + direction, 0, int(m_crossings.size()) - 1);
    say(m_crossings.at(m_crossingRead));
}

void DropFollower::setTypedVoltage()
{
    QString typed = std::exchange(m_typed, QString());
    typed.replace(QLatin1Char(','), QLatin1Char('.'));
    bool converted = false;
    const double volts = QLocale::c().toDouble(typed, &converted);
    if (!converted || !std::isfinite(volts)) {
        //: %1: what the student typed for a voltage in the zoom box.
        say(tr("Not a voltage: %1").arg(typed));
        return;
    }
    const int hundredths = static_cast<int>(std::lround(std::clamp(volts, 0.0, 50.0) * 100.0));
    if (!m_panel.setVoltage(hundredths)) {
        say(tr("The supply is off"));
        return;
    }
    // While the drift sound plays, it answers a new voltage at once; the reader has already
    // echoed the digits. Saying it as well would queue one message per try behind a student
    // halving the step, and a busy reader hands them over seconds late, after F7's.
    if (updateDrift() && hundredths == std::lround(volts * 100.0))
        return;
    say(m_panel.voltage());
}

bool DropFollower::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box || event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))
        return false;
    if (const QString typed = voltageCharacter(key); !typed.isEmpty()) {
        if (m_typed.size() < 6)
            m_typed += typed;
        return true;
    }
    if (key->modifiers() & Qt::ShiftModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Left:
        moveToNeighbour(-1);
        return true;
    case Qt::Key_Right:
        moveToNeighbour(+1);
        return true;
    case Qt::Key_Up:
        readCrossing(-1);
        return true;
    case Qt::Key_Down:
        readCrossing(+1);
        return true;
    case Qt::Key_Space:
        m_panel.startStop();
        return true;
    case Qt::Key_Delete:
        m_panel.resetStopwatch();
        return true;
    case Qt::Key_Backspace:
        m_typed.chop(1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (!m_typed.isEmpty()) {
            setTypedVoltage();
            return true;
        }
        // Read again: the same words a reader gets on arriving here, as they are now. A new
        // description may reach the reader by itself; then it is not announced as well.
        const QString before = m_box->accessibleDescription();
        describe();
        if (m_box->accessibleDescription() == before || !readersHearNewDescriptions(m_box))
            say(m_box->accessibleDescription());
        return true;
    }
    case Qt::Key_Escape:
        if (!m_typed.isEmpty()) {
            m_typed.clear();
            say(tr("Voltage not set"));
            return true;
        }
        toggleFocus();
        return true;
    default:
        return false;
    }
}

} // namespace korvane
