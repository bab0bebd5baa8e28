// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classic_look.h"

#include "accessibility.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStyleOptionSlider>
#include <QToolTip>

#include <iterator>

namespace korvane {

namespace {
constexpr int CaptionLeft = 8; // where the caption starts in the frame's top line
constexpr int CaptionPadding = 2;
constexpr int CheckBoxLabelSpacing = 2;

struct RoleColours {
    QPalette::ColorRole role;
    QRgb active;
    QRgb disabled;
    QRgb inactive;
};

// Black text on light grey faces: the colours the layout's panels, labels and buttons were
// drawn against.
constexpr RoleColours ClassicColours[] = {
    {QPalette::WindowText, 0xff000000, 0xffbebebe, 0xff000000},
    {QPalette::Button, 0xffefefef, 0xffefefef, 0xffefefef},
    {QPalette::Light, 0xffffffff, 0xffffffff, 0xffffffff},
    {QPalette::Midlight, 0xffcacaca, 0xffcacaca, 0xffcacaca},
    {QPalette::Dark, 0xff9f9f9f, 0xffbebebe, 0xff9f9f9f},
    {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8, 0xffb8b8b8},
    {QPalette::Text, 0xff000000, 0xffbebebe, 0xff000000},
    {QPalette::BrightText, 0xffffffff, 0xffffffff, 0xffffffff},
    {QPalette::ButtonText, 0xff000000, 0xffbebebe, 0xff000000},
    {QPalette::Base, 0xffffffff, 0xffefefef, 0xffffffff},
    {QPalette::Window, 0xffefefef, 0xffefefef, 0xffefefef},
    {QPalette::Shadow, 0xff767676, 0xffb1b1b1, 0xff767676},
    {QPalette::Highlight, 0xff308cc6, 0xff919191, 0xff308cc6},
    {QPalette::HighlightedText, 0xffffffff, 0xffffffff, 0xffffffff},
    {QPalette::Link, 0xff0000ff, 0xff0000ff, 0xff0000ff},
    {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff, 0xffff00ff},
    {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7, 0xfff7f7f7},
    {QPalette::NoRole, 0xff000000, 0xff000000, 0xff000000},
    {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc, 0xffffffdc},
    {QPalette::ToolTipText, 0xff000000, 0xff000000, 0xff000000},
    {QPalette::PlaceholderText, 0x80000000, 0x80000000, 0x80000000},
};

constexpr bool inRoleOrder()
{
    for (int i = 0; i < int(std::size(ClassicColours)); ++i) {
        if (ClassicColours[i].role != i)
            return false;
    }
    return true;
}
static_assert(inRoleOrder(), "the table is indexed by colour role");

} // namespace

QPalette classicPalette()
{
    QPalette palette;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        // A role this table does not know (the accent colour of newer Qt versions) takes the
        // highlight's colours.
        const RoleColours &colours = role < int(std::size(ClassicColours))
            ? ClassicColours[role]
            : ClassicColours[QPalette::Highlight];
        const auto colorRole = static_cast<QPalette::ColorRole>(role);
        palette.setColor(QPalette::Active, colorRole, QColor::fromRgba(colours.active));
        palette.setColor(QPalette::Disabled, colorRole, QColor::fromRgba(colours.disabled));
        palette.setColor(QPalette::Inactive, colorRole, QColor::fromRgba(colours.inactive));
    }
    return palette;
}

void keepClassicPalette()
{
    // Setting the application's palette also drops the palettes a desktop theme gave widget
    // classes, and Qt (6.4 and 6.8 alike, with the GTK theme turned dark at start or while the
    // program runs) leaves a palette the application set alone when the theme changes.
    const QPalette classic = classicPalette();
    QApplication::setPalette(classic);
    QToolTip::setPalette(classic);
}

void useClassicLook()
{
    if (!qobject_cast<ClassicStyle *>(QApplication::style()))
        QApplication::setStyle(new ClassicStyle(QStringLiteral("Fusion")));
    keepClassicPalette();
}

ClassicGroupBox::ClassicGroupBox(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
{
    // Left alone, a group box inside another one takes the outer box's title as its name.
    setAccessibleName(spokenCaption(caption));
}

void ClassicGroupBox::paintEvent(QPaintEvent *event)
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

    // Laid out only when the caption's band is painted, with room for any glyph reaching past
    // its line: a readout lower in the box repaints ten times a second.
    if (!event->region().intersects(QRect(0, 0, width(), 2 * metrics.height())))
        return;
    const QRect captionBox(CaptionLeft, 0, captionWidth, metrics.height());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionBox, Qt::AlignCenter, caption);
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

void ClassicScrollBar::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    QStyleOptionSlider slider;
    initStyleOption(&slider);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect =
        style()->subControlRect(QStyle::CC_ScrollBar, &slider, QStyle::SC_ScrollBarSlider, this);
    focus.backgroundColor = palette().color(QPalette::Button);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

void ClassicPushButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

int ClassicStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                              const QWidget *widget) const
{
    if (metric == PM_CheckBoxLabelSpacing)
        return CheckBoxLabelSpacing;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

} // namespace korvane
