// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the dialogs stand and how big their labels are. Both dialogs centre their frame on the
// primary screen each time they are shown, from the first showing on; division truncates toward
// zero, so a dialog larger than the screen gets a negative corner.
#pragma once

class QLabel;
class QWidget;

namespace korvane {

/// Keeps a dialog where it belongs: centred on the primary screen at every showing, and again
/// once the window manager's frame becomes known, since before its first showing the frame can
/// only be assumed, and a frame reported before the window manager has built it is none;
/// and never minimised, since a modal dialog minimised takes
/// the program's other windows with it: when the focus lands on the window it blocks, the
/// dialog is shown again, whether or not the platform reported the minimising.
void keepDialogPlaced(QWidget &dialog);

/// Makes a label as wide as its text, keeping its left edge and the given height.
void fitToText(QLabel &label, int height);

} // namespace korvane
