// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// An image control: shows a picture drawn elsewhere and reports pointer presses on it, and when
// its screen's density no longer matches the picture's.
#pragma once

#include <QImage>
#include <QWidget>

#include <vector>

namespace korvane {

class ImageView : public QWidget {
    Q_OBJECT
public:
    ImageView(const QString &name, QWidget *parent);

    /// The picture to show; it must outlive the view. Call updateChanged() after it changes. A
    /// picture with a device pixel ratio is shown at its size in layout pixels.
    void setPicture(const QImage *picture);

    /// Repaints the parts of the picture that changed since it was set or last updated: where a
    /// few drops moved, a few small squares rather than the whole picture, which a browser
    /// would otherwise take in and composite anew ten times a second.
    void updateChanged();
    /// The same where the caller knows that the picture changed nowhere outside these
    /// rectangles of its device pixels: only the squares they touch are compared.
    void updateChanged(const std::vector<QRect> &within);

signals:
    /// A press of any button, at a position in layout pixels.
    void pressed(Qt::MouseButton button, QPoint position);

    /// The view was shown on, or moved to, a screen whose device pixel ratio differs from the
    /// picture's: a picture drawn for that ratio would be sharper.
    void densityChanged(qreal ratio);

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void checkDensity();
    void repaintChanged(const std::vector<QRect> *within);

    const QImage *m_picture = nullptr;
    QImage m_shown; // a copy of the picture as last updated, to find what changed since
};

} // namespace korvane
