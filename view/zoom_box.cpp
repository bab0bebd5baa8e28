// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "zoom_box.h"

#include "apparatus_renderer.h"

#include <QMouseEvent>
#include <QPainter>

namespace korvane {

ZoomBox::ZoomBox(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    // Movements are reported without a button held, too: the first one hides the instruction.
    setMouseTracking(true);
}

QPoint ZoomBox::dragged(QPoint topLeft, QPoint pointer)
{
    constexpr int Half = Side / 2;
    // The box's corner in the frame's coordinates, kept over the picture: 6 px from its left
    // and top edges at the least, and 9 px from its right and 5 px from its bottom edge.
    constexpr int MinLeft = viewgeometry::PictureOffset + 6;
    constexpr int MinTop = viewgeometry::PictureOffset + 6;
    constexpr int MaxLeft = viewgeometry::PictureOffset + constants::PictureWidth - Side - 9;
    constexpr int MaxTop = viewgeometry::PictureOffset + constants::PictureHeight - Side - 5;
    static_assert(MinLeft == 20 && MinTop == 20 && MaxLeft == 745 && MaxTop == 320);
    int top = topLeft.y() + pointer.y() - Half;
    int left = topLeft.x() + pointer.x() - Half;
    if (top < MinTop)
        top = MinTop;
    if (left < MinLeft)
        left = MinLeft;
    if (top > MaxTop)
        top = MaxTop;
    if (left > MaxLeft)
        left = MaxLeft;
    return {left, top};
}

void ZoomBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ZoomBox::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->button(), event->position().toPoint());
}

void ZoomBox::mouseMoveEvent(QMouseEvent *event)
{
    emit moved(event->position().toPoint());
}

void ZoomBox::mouseReleaseEvent(QMouseEvent *event)
{
    emit released(event->button(), event->position().toPoint());
}

} // namespace korvane
