// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The fonts of a browser build. A browser lends a page none of its fonts, so the faces the
// layout is drawn in on Debian are built into the program: DejaVu Sans, the sans-serif that
// stands for "MS Sans Serif" and "System", and Liberation Sans, the face fontconfig gives for
// "Arial", each regular and bold, cut to the characters the program shows. They are drawn with
// the light hinting Debian's fontconfig asks for, so that text measures and looks as on Linux.
#pragma once

namespace korvane {

/// Registers the built-in faces under the names the layout asks for. Called once the
/// application object exists, before any window is built.
void installWebFonts();

} // namespace korvane
