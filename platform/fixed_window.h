// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's windows keep their fixed size and place whatever the desktop asks of them.
// Mends: a fixed-size window made full screen or maximised by the desktop (openbox's and xfwm4's
// window menus, wmctrl, KWin's window menu on Wayland, the maximise button Qt draws on Wayland)
// stands off centre in a frame or on a screen too big for it.
// Measured: openbox, xfwm4, KWin and GNOME on X11 and Wayland, weston; Debian 12 (Qt 6.4) and
// 13 (Qt 6.8), tools/desktop-check. Without it on Debian 13 the window stayed full screen on
// openbox, xfwm4 and KWin (X11 and Wayland) and GNOME on Wayland; mutter on X11 refuses the
// request itself.
// Can go: never on its whole; the lifted maximum size (fixed_window.cpp) when weston and Qt no
// longer need it.
#pragma once

class QWidget;

namespace korvane {

/// Keeps a fixed-size window as it is when the desktop makes it fill the screen: full screen
/// from a window menu or a tool, or maximised from the title bar that Qt draws on Wayland
/// whatever the window's flags. The window asks for its normal state back at once and gets its
/// fixed size and its place again.
void keepFixedWhenMaximised(QWidget *window);

} // namespace korvane
