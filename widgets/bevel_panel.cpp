// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bevel_panel.h"

#include <QPainter>

namespace korvane {

namespace {

const QColor Highlight(255, 255, 255);
const QColor Shadow(128, 128, 128);
const QColor DarkShadow(64, 64, 64);
const QColor Light(212, 208, 200);

// Draws a frame of the given width just inside rect, top-left in one colour and bottom-right
// in the other, then shrinks rect by that width.
void frame3d(QPainter &painter, QRect &rect, const QColor &topLeft, const QColor &bottomRight,
             int width)
{
    for (int i = 0; i < width && rect.width() > 0 && rect.height() > 0; ++i) {
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), topLeft);
        painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), topLeft);
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
        painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
        rect.adjust(1, 1, -1, -1);
    }
}

void bevel(QPainter &painter, QRect &rect, BevelPanel::Bevel kind, int width)
{
    if (kind == BevelPanel::Bevel::Raised)
        frame3d(painter, rect, Highlight, Shadow, width);
    else if (kind == BevelPanel::Bevel::Lowered)
        frame3d(painter, rect, Shadow, Highlight, width);
}

} // namespace

BevelPanel::BevelPanel(const QString &name, const Look &look, QWidget *parent)
    : QWidget(parent), m_look(look)
{
    setObjectName(name);
}

void BevelPanel::place(QWidget *child, QRect geometry) const
{
    child->setGeometry(geometry.translated(clientOrigin(), clientOrigin()));
}

void BevelPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QRect rect = this->rect();
    if (m_look.singleBorder) {
        frame3d(painter, rect, Shadow, Highlight, 1);
        frame3d(painter, rect, DarkShadow, Light, 1);
    }
    painter.fillRect(rect, m_look.color);
    bevel(painter, rect, m_look.outer, m_look.bevelWidth);
    rect.adjust(m_look.borderWidth, m_look.borderWidth, -m_look.borderWidth, -m_look.borderWidth);
    bevel(painter, rect, m_look.inner, m_look.bevelWidth);
}

} // namespace korvane
