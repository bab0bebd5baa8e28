// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The zoom box: a 25 x 25 square outline lying over the apparatus picture, which shows through
// its clear interior. It reports the pointer's press, movement and release relative to itself;
// from a press to the release it keeps receiving the pointer, wherever the pointer goes.
#pragma once

#include <QWidget>

namespace korvane {

class ZoomBox : public QWidget {
    Q_OBJECT
public:
    ZoomBox(const QString &name, QWidget *parent);

    static constexpr int Side = 25;

    /// Where a drag puts the box: its centre moves to the pointer (given relative to the box),
    /// and the box stays wholly over the apparatus picture.
    static QPoint dragged(QPoint topLeft, QPoint pointer);

signals:
    void pressed(Qt::MouseButton button, QPoint position);
    void moved(QPoint position);
    void released(Qt::MouseButton button, QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace korvane
