// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How the windows are centred: the arithmetic as plain functions of sizes, and the move. Division
// truncates toward zero, so a window larger than the screen gets a negative corner.
#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace korvane {

/// The top-left corner that centres a window's outer frame on the screen.
inline QPoint centredWindowPosition(QSize screen, QSize windowOuter)
{
    return {(screen.width() - windowOuter.width()) / 2,
            (screen.height() - windowOuter.height()) / 2};
}

/// The backing panel's position: across by the window's outer width, down by its client height.
inline QPoint centredPanelPosition(int windowOuterWidth, int clientHeight, QSize panel)
{
    return {(windowOuterWidth - panel.width()) / 2, (clientHeight - panel.height()) / 2};
}

/// Whether the platform knows a window's frame.
/// Mends: until the window manager has framed the window the report is nothing, or even less
/// than nothing (a frame that leaves a 2 x 2 window), and KWin's may stay the 1 x 1 one Qt
/// measured before KWin framed it.
/// Measured: KWin on X11, Debian 12 (Qt 6.4), tools/desktop-check.
/// Can go: never; a frame is always told late.
inline bool frameKnown(QSize reported)
{
    return !reported.isNull() && reported.width() >= 0 && reported.height() >= 0;
}

/// The frame to centre a window by: the one the platform reports, once it is known, or else the
/// best guess (the last showing's, or the owner's).
inline QSize frameToCentreBy(QSize reported, QSize guess)
{
    return frameKnown(reported) ? reported : guess;
}

/// Moves a top-level window so that its outer size, frame included, is centred on the primary
/// screen.
void centreOnPrimaryScreen(QWidget &window, QSize outer);

} // namespace korvane
