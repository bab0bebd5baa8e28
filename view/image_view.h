// An image control: shows a picture drawn elsewhere and reports pointer presses on it.
#pragma once

#include <QImage>
#include <QWidget>

namespace korvane {

class ImageView : public QWidget {
    Q_OBJECT
public:
    ImageView(const QString &name, QWidget *parent);

    /// The picture to show; it must outlive the view. Call update() after it changes.
    void setPicture(const QImage *picture);

signals:
    /// A press of any button, at a position in the picture's pixels.
    void pressed(Qt::MouseButton button, QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    const QImage *m_picture = nullptr;
};

} // namespace korvane
