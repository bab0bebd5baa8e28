// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window on Wayland, where the program draws its own title bar.
#pragma once

class QWidget;

namespace korvane {

/// True when the program runs as a Wayland client.
bool onWayland();

/// Keeps a fixed-size window as it is when its title bar's maximise button, which Qt draws on
/// Wayland whatever the window's flags, asks the compositor to maximise it. Does nothing off
/// Wayland.
void keepFixedWhenMaximised(QWidget *window);

} // namespace korvane
