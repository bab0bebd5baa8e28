// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's windows keep their fixed size and place whatever the desktop asks of them.
#pragma once

class QWidget;

namespace korvane {

/// True when the program runs as a Wayland client.
bool onWayland();

/// Keeps a fixed-size window as it is when the desktop makes it fill the screen: full screen
/// from a window menu or a tool, or maximised from the title bar that Qt draws on Wayland
/// whatever the window's flags. The window asks for its normal state back at once and gets its
/// fixed size and its place again.
void keepFixedWhenMaximised(QWidget *window);

} // namespace korvane
