// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The classic desktop look and feel that the platform's style lacks: one light palette for every
// window whatever the desktop's theme, group boxes with an etched frame whose caption sits in
// the top line, check boxes whose caption stands close to the box so that the layout's widths
// hold the captions, and a scroll bar whose arrow keys go the way they point.
#pragma once

#include <QGroupBox>
#include <QPalette>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>

namespace korvane {

/// The light palette the layout was drawn with: black text on light grey faces, white fields,
/// pale yellow tooltips. Every colour role of every group is set.
QPalette classicPalette();

/// Gives every window of the program, its menus, message boxes and tooltips the classic palette
/// instead of the desktop theme's or colour scheme's, also when the theme changes while the
/// program runs. Called once the style has been chosen.
void keepClassicPalette();

/// The classic style and palette for the whole application, whatever the desktop's theme:
/// called by the main window as it is built, so the program and every test that builds a
/// window look alike. Calling it again changes nothing.
void useClassicLook();

class ClassicGroupBox : public QGroupBox {
    Q_OBJECT
public:
    ClassicGroupBox(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

/// A horizontal scroll bar whose Left and Right arrow keys move it left and right; Qt's own
/// scroll bar takes them the other way round. With the keyboard focus it shows a focus frame
/// round its thumb, as the push buttons do round their caption.
class ClassicScrollBar : public QScrollBar {
    Q_OBJECT
public:
    using QScrollBar::QScrollBar;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

/// A push button that Enter presses as Space does, outside dialogs too.
class ClassicPushButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

/// Fusion with check boxes whose caption stands close to the box.
class ClassicStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};

} // namespace korvane
