// The classic desktop look and feel of the control panel that the platform's style lacks: group
// boxes with an etched frame whose caption sits in the top line, check boxes whose caption
// stands close to the box so that the layout's widths hold the captions, and a scroll bar whose
// arrow keys go the way they point.
#pragma once

#include <QGroupBox>
#include <QProxyStyle>
#include <QScrollBar>

namespace korvane {

class ClassicGroupBox : public QGroupBox {
    Q_OBJECT
public:
    ClassicGroupBox(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

/// A horizontal scroll bar whose Left and Right arrow keys move it left and right; Qt's own
/// scroll bar takes them the other way round.
class ClassicScrollBar : public QScrollBar {
    Q_OBJECT
public:
    using QScrollBar::QScrollBar;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

class ClassicCheckBoxStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};

} // namespace korvane
