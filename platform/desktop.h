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

/// True when a screen reader is known to be reading the program, so that what is timed for the
/// eye (the About box closing itself, the zoom box left where it was put) may wait for the ear.
/// Mends: in a browser the page mirrors every control for screen readers from the start, so Qt
/// counts accessibility as active there whether or not a reader runs, and a browser does not
/// tell a page whether one does: there a reader is known only once the student asks for it
/// (F6 to the zoom box).
/// Measured: Qt 6.8.2 for WebAssembly with data/web/qt-wasm-accessibility.patch, Chromium 156.
/// Can go: when browsers tell a page that a screen reader is running.
bool screenReaderKnown();

/// The window's size including the frame the window manager puts around it.
QSize outerSize(const QWidget &window);

/// Keeps the window's outer size, frame included, at `outer` once the window manager's frame
/// becomes known, which re-centres the window. Call once the window has its first size.
void keepOuterSize(QWidget *window, QSize outer);

} // namespace korvane
