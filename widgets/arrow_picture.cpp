// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "arrow_picture.h"

#include <QBitmap>
#include <QPainter>
#include <QPolygon>

namespace korvane {

QImage arrowPicture()
{
    QImage image(45, 54, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QPolygon arrow({{3, 14},
                          {17, 2},
                          {17, 9},
                          {33, 9},
                          {38, 14},
                          {38, 50},
                          {33, 45},
                          {28, 50},
                          {28, 19},
                          {17, 19},
                          {17, 26}});
    QPainter painter(&image);
    painter.setPen(QColor(220, 43, 25));
    painter.setBrush(QColor(232, 123, 20));
    painter.drawPolygon(arrow);
    return image;
}

QPixmap transparentArrow()
{
    const QImage image = arrowPicture();
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setMask(QBitmap::fromImage(
        image.createMaskFromColor(image.pixel(0, image.height() - 1), Qt::MaskInColor)));
    return pixmap;
}

} // namespace korvane
