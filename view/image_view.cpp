// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "image_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <cstring>
#include <vector>

namespace korvane {

namespace {

// Squares of this many device pixels are compared and repainted whole: small enough that a
// drop's move repaints little, large enough that a picture full of drops stays a few rectangles.
constexpr int Tile = 32;

// The squares in which the picture differs from the copy, which is brought up to date; in the
// picture's layout pixels. Only the squares that the rectangles touch are compared, all of them
// without rectangles. A copy of another size or format is replaced and all of it changed.
QRegion changedSquares(const QImage &picture, QImage &copy, const std::vector<QRect> *within)
{
    const qreal ratio = picture.devicePixelRatio();
    const auto layout = [ratio, &picture](const QRect &device) {
        const QRect whole(QPoint(0, 0), picture.deviceIndependentSize().toSize());
        return QRectF(device.x() / ratio, device.y() / ratio, device.width() / ratio,
                      device.height() / ratio)
            .toAlignedRect()
            .intersected(whole);
    };
    if (copy.size() != picture.size() || copy.format() != picture.format() ||
        copy.devicePixelRatio() != ratio || picture.depth() < 8) {
        copy = picture.copy();
        return layout(picture.rect());
    }
    const int bytesPerPixel = picture.depth() / 8;
    const int columns = (picture.width() + Tile - 1) / Tile;
    const int rows = (picture.height() + Tile - 1) / Tile;
    // The squares to compare, row by row of squares.
    std::vector<char> compared(std::size_t(columns) * rows, within ? 0 : 1);
    if (within) {
        for (const QRect &rect : *within) {
            const QRect area = rect.intersected(picture.rect());
            for (int row = area.top() / Tile; !area.isEmpty() && row <= area.bottom() / Tile; ++row)
                std::fill_n(compared.begin() + row * columns + area.left() / Tile,
                            area.right() / Tile - area.left() / Tile + 1, 1);
        }
    }
    std::vector<char> changed(columns);
    QRegion region;
    for (int top = 0; top < picture.height(); top += Tile) {
        const int bottom = std::min(top + Tile, picture.height());
        const char *comparedHere = compared.data() + (top / Tile) * columns;
        if (std::find(comparedHere, comparedHere + columns, 1) == comparedHere + columns)
            continue;
        std::fill(changed.begin(), changed.end(), 0);
        for (int y = top; y < bottom; ++y) {
            const uchar *now = picture.constScanLine(y);
            const uchar *before = copy.constScanLine(y);
            // Without rectangles most rows are unchanged: one comparison of the whole row
            // settles them.
            if (!within && std::memcmp(now, before, picture.width() * bytesPerPixel) == 0)
                continue;
            for (int column = 0; column < columns; ++column) {
                const int left = column * Tile * bytesPerPixel;
                const int width = std::min(Tile, picture.width() - column * Tile) * bytesPerPixel;
                if (comparedHere[column] && !changed[column] &&
                    std::memcmp(now + left, before + left, width) != 0)
                    changed[column] = 1;
            }
        }
        for (int column = 0; column < columns; ++column) {
            if (!changed[column])
                continue;
            const QRect square(column * Tile, top, std::min(Tile, picture.width() - column * Tile),
                               bottom - top);
            for (int y = square.top(); y <= square.bottom(); ++y)
                std::memcpy(copy.scanLine(y) + square.left() * bytesPerPixel,
                            picture.constScanLine(y) + square.left() * bytesPerPixel,
                            square.width() * bytesPerPixel);
            region += layout(square);
        }
    }
    return region;
}

} // namespace

ImageView::ImageView(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageView::setPicture(const QImage *picture)
{
    m_picture = picture;
    // Shown whole by the update below, as it is now.
    m_shown = picture ? picture->copy() : QImage();
    update();
}

void ImageView::updateChanged()
{
    repaintChanged(nullptr);
}

void ImageView::updateChanged(const std::vector<QRect> &within)
{
    repaintChanged(&within);
}

void ImageView::repaintChanged(const std::vector<QRect> *within)
{
    if (!m_picture)
        return;
    const QRegion changed = changedSquares(*m_picture, m_shown, within);
    if (!changed.isEmpty())
        update(changed);
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
