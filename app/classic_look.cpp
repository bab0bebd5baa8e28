#include "classic_look.h"

#include <QKeyEvent>
#include <QPainter>

namespace korvane {

namespace {
constexpr int CaptionLeft = 8; // where the caption starts in the frame's top line
constexpr int CaptionPadding = 2;
constexpr int CheckBoxLabelSpacing = 2;
} // namespace

ClassicGroupBox::ClassicGroupBox(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
{
}

void ClassicGroupBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const QString caption = title();
    const int captionWidth = metrics.horizontalAdvance(caption) + 2 * CaptionPadding;
    const int top = metrics.height() / 2;
    const int right = width() - 2;
    const int bottom = height() - 2;

    // An etched frame: a shadow line with a highlight line one pixel below and to the right,
    // the top line left open where the caption stands.
    const auto frame = [&](int offset, const QColor &color) {
        painter.setPen(color);
        const int l = offset, t = top + offset, r = right + offset, b = bottom + offset;
        painter.drawLine(l, t, CaptionLeft - 1, t);
        painter.drawLine(CaptionLeft + captionWidth, t, r, t);
        painter.drawLine(l, t, l, b);
        painter.drawLine(l, b, r, b);
        painter.drawLine(r, t, r, b);
    };
    frame(0, QColor(128, 128, 128));
    frame(1, Qt::white);

    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(CaptionLeft, 0, captionWidth, metrics.height()), Qt::AlignCenter,
                     caption);
}

void ClassicScrollBar::keyPressEvent(QKeyEvent *event)
{
    if (orientation() == Qt::Horizontal && event->modifiers() == Qt::NoModifier &&
        (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        triggerAction(event->key() == Qt::Key_Right ? SliderSingleStepAdd : SliderSingleStepSub);
        event->accept();
        return;
    }
    QScrollBar::keyPressEvent(event);
}

int ClassicCheckBoxStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                                      const QWidget *widget) const
{
    if (metric == PM_CheckBoxLabelSpacing)
        return CheckBoxLabelSpacing;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

} // namespace korvane
