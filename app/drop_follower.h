// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The apparatus by ear: the zoom box describes the drop it is on, or the one nearest to it, and
// a crossing of a scale line by that drop is announced, so that a student who cannot see the
// view times a fall from line to line as others do by eye. F6 moves the focus to the zoom box
// and back; there Left and Right move the box onto the next drop, Space reads the drop again.
// The box is no Tab stop: the control panel's Tab order stays as it is.
#pragma once

#include "apparatus_state.h"
#include "drop_watch.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <functional>

class QWidget;

namespace korvane {

class ZoomBox;

class DropFollower : public QObject {
    Q_OBJECT
public:
    /// Moves the zoom box to that top-left corner and redraws, as a drag does.
    using MoveBox = std::function<void(QPoint topLeft)>;

    DropFollower(QWidget *window, const ApparatusState &state, ZoomBox *box, MoveBox moveBox);

    /// After every redraw; `step` counts the simulation steps so far.
    void look(std::int64_t step);

    /// The followed drop as the zoom box describes it.
    QString description() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPoint boxCentre() const;
    void toggleFocus();
    void moveToNeighbour(int direction);
    void describe();

    QWidget *m_window;
    const ApparatusState &m_state;
    ZoomBox *m_box;
    MoveBox m_moveBox;
    DropWatch m_watch;
    DropLook m_last;
    bool m_listening = false; // crossings are announced once the zoom box has had the focus
    QPointer<QWidget> m_returnTo;
};

} // namespace korvane
