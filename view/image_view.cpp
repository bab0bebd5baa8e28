// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "image_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace korvane {

ImageView::ImageView(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageView::setPicture(const QImage *picture)
{
    m_picture = picture;
    update();
}

bool ImageView::event(QEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    // Also a change of the ratio on the same screen, which the screen signal does not report.
    if (event->type() == QEvent::DevicePixelRatioChange)
        checkDensity();
#endif
    return QWidget::event(event);
}

void ImageView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The window exists once shown; a move to another screen is reported by it.
    if (QWindow *handle = window()->windowHandle())
        connect(handle, &QWindow::screenChanged, this, &ImageView::checkDensity,
                Qt::UniqueConnection);
    checkDensity();
}

void ImageView::checkDensity()
{
    const qreal ratio = devicePixelRatioF();
    if (m_picture && ratio != m_picture->devicePixelRatio())
        emit densityChanged(ratio);
}

void ImageView::paintEvent(QPaintEvent *)
{
    if (!m_picture)
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, *m_picture);
}

void ImageView::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->button(), event->position().toPoint());
    QWidget::mousePressEvent(event);
}

} // namespace korvane
