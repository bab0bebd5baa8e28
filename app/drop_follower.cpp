// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drop_follower.h"

#include "accessibility.h"
#include "apparatus_renderer.h"
#include "zoom_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QShortcut>
#include <QWidget>

namespace korvane {

namespace {

// A scale line by its label, 1 to 9 for 0.1 to 0.9, with the user's decimal separator.
QString lineLabel(int line)
{
    return QLocale().toString(line / 10.0, 'f', 1);
}

QString driftText(Drift drift)
{
    switch (drift) {
    case Drift::Falling:
        return DropFollower::tr("falling");
    case Drift::Rising:
        return DropFollower::tr("rising");
    case Drift::Hanging:
        //: The drop neither falls nor rises: the field holds it.
        return DropFollower::tr("hanging still");
    }
    return QString();
}

} // namespace

DropFollower::DropFollower(QWidget *window, const ApparatusState &state, ZoomBox *box,
                           MoveBox moveBox)
    : QObject(window), m_window(window), m_state(state), m_box(box), m_moveBox(std::move(moveBox))
{
    // F6 moves between the control panel and the apparatus, as it moves between panes
    // elsewhere; the box takes the focus from it alone, never from Tab or a click.
    auto *toApparatus = new QShortcut(QKeySequence(Qt::Key_F6), window);
    connect(toApparatus, &QShortcut::activated, this, &DropFollower::toggleFocus);
    m_box->installEventFilter(this);
}

QPoint DropFollower::boxCentre() const
{
    return m_box->pos() - QPoint(viewgeometry::PictureOffset, viewgeometry::PictureOffset) +
        QPoint(ZoomBox::Side / 2, ZoomBox::Side / 2);
}

void DropFollower::look(std::int64_t step)
{
    const QPoint centre = boxCentre();
    const DropLook look = m_watch.look(m_state, centre.x(), centre.y(), step);
    m_last = look;
    if (!look.lost && look.crossedLine == 0 && !look.anotherDrop)
        return;
    // Nothing is announced before the student first comes to the zoom box: a class that does
    // not listen to the drops is not told of them.
    bool announced = false;
    if (m_listening && look.lost) {
        announce(m_window,
                 tr("The followed drop has reached a plate.") + QLatin1Char(' ') + description());
        announced = true;
    } else if (m_listening && look.crossedLine != 0) {
        //: Said the moment the followed drop crosses a scale line; %1 is its label, as 0.3.
        announce(m_window, tr("Line %1").arg(lineLabel(look.crossedLine)));
        announced = true;
    }
    // The description keeps up with the drop, but is not read out again on top of what was just
    // announced: where a reader would do that, it waits until the student asks (Space).
    if (!(announced && readersHearNewDescriptions(m_box)))
        describe();
}

QString DropFollower::description() const
{
    const int floating = floatingDrops(m_state);
    if (!m_last.reading || floating == 0)
        return apparatusDescription(0);
    const DropReading &reading = *m_last.reading;
    const QString above = reading.linesAbove == 0
        ? tr("the upper plate")
        : tr("line %1").arg(lineLabel(reading.linesAbove));
    const QString below = reading.linesAbove == 9
        ? tr("the lower plate")
        : tr("line %1").arg(lineLabel(reading.linesAbove + 1));
    //: %1: the depth in scale divisions, as 2.4; %2 and %3: the lines or plates above and below
    //: it; %4: falling, rising or hanging still; %5: how many drops float.
    return tr("Followed drop: %1 divisions below the upper plate, between %2 and %3, %4. %5.")
        .arg(QLocale().toString(reading.divisions, 'f', 1), above, below, driftText(reading.drift),
             apparatusDescription(floating));
}

void DropFollower::describe()
{
    m_box->setAccessibleDescription(description());
}

void DropFollower::toggleFocus()
{
    if (m_box->hasFocus()) {
        if (m_returnTo)
            m_returnTo->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    m_returnTo = QApplication::focusWidget();
    m_listening = true;
    describe();
    m_box->setFocus(Qt::ShortcutFocusReason);
}

void DropFollower::moveToNeighbour(int direction)
{
    const QPoint centre = boxCentre();
    const std::optional<int> next = m_watch.neighbour(m_state, direction, centre.x(), centre.y());
    if (!next) {
        announce(m_box, apparatusDescription(0));
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
    describe();
    announceDescription(m_box);
}

bool DropFollower::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box || event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Left:
        moveToNeighbour(-1);
        return true;
    case Qt::Key_Right:
        moveToNeighbour(+1);
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // Read again: the same words a reader gets on arriving here, as they are now. A new
        // description may reach the reader by itself; then it is not announced as well.
        const QString before = m_box->accessibleDescription();
        describe();
        if (m_box->accessibleDescription() == before || !readersHearNewDescriptions(m_box))
            announce(m_box, m_box->accessibleDescription());
        return true;
    }
    case Qt::Key_Escape:
        toggleFocus();
        return true;
    default:
        return false;
    }
}

} // namespace korvane
