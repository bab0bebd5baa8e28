// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Which desktop the program runs on, and the main window's outer size as that desktop frames it.
#pragma once

#include <QSize>

class QWidget;

namespace korvane {

/// True when the program runs as a Wayland client: the one test of it in the program.
bool onWayland();

/// The window's size including the frame the window manager puts around it.
QSize outerSize(const QWidget &window);

/// Keeps the window's outer size, frame included, at `outer` once the window manager's frame
/// becomes known, which re-centres the window. Call once the window has its first size.
void keepOuterSize(QWidget *window, QSize outer);

} // namespace korvane
