#include "image_view.h"

#include <QMouseEvent>
#include <QPainter>

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
