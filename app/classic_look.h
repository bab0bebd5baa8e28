// The classic desktop look of the control panel that the platform's style lacks: group boxes
// with an etched frame whose caption sits in the top line, and check boxes whose caption
// stands close to the box so that the layout's widths hold the captions.
#pragma once

#include <QGroupBox>
#include <QProxyStyle>

namespace korvane {

class ClassicGroupBox : public QGroupBox {
    Q_OBJECT
public:
    ClassicGroupBox(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

class ClassicCheckBoxStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};

} // namespace korvane
