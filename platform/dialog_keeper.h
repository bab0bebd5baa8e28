// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the dialogs stand. Both dialogs centre their frame on the primary screen each time they
// are shown, from the first showing on; division truncates toward zero, so a dialog larger than
// the screen gets a negative corner.
// Mends: a frame that window managers tell late or wrongly (none before the first showing,
// KWin's 1 x 1 one on X11 in some runs), so that a dialog stood off centre; and a modal dialog
// minimised or sent behind, which took the program's other windows with it, on desktops that
// tell no minimising (Wayland).
// Measured: openbox, xfwm4, KWin and GNOME on X11 and Wayland, Debian 12 (Qt 6.4) and 13
// (Qt 6.8), tools/desktop-check; KWin X11's About box centred in 8 of 8 runs with the owner's
// frame standing in, 4 of 5 without (Qt 6.4). Debian 13 without the frame followed after the
// showing: the About box off centre on KWin X11 in 3 of 3 runs, and on openbox and xfwm4;
// without the bringing back: the minimised Constants dialog took the main window with it on
// openbox and KWin X11 (Debian 12 too).
// Can go: the centring never; the bringing back on Wayland when Debian 12 is dropped
// (dialog_keeper.cpp), on X11 where every supported window manager keeps a minimised modal
// dialog's owner on screen.
#pragma once

class QWidget;

namespace korvane {

/// Keeps a dialog where it belongs: centred on the primary screen at every showing, and again
/// once the window manager's frame becomes known, since before its first showing the frame can
/// only be assumed, and a frame reported before the window manager has built it is none;
/// and never minimised, since a modal dialog minimised takes the program's other windows with
/// it: when the focus lands on the window it blocks, the dialog is shown again, whether or not
/// the platform reported the minimising.
void keepDialogPlaced(QWidget &dialog);

} // namespace korvane
