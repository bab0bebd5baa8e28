// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How the program's dialogs and its error box are shown: modally, so that the program's other
// windows take no input until the dialog closes, while the timers go on behind it.
#pragma once

class QDialog;

namespace korvane {

/// Shows the dialog modally. On the desktop the call returns when the dialog closes. A browser
/// cannot wait inside a handler (unless the program was linked with asyncify), so there it
/// returns at once with the dialog open, owner blocked, as the desktop's would be: every
/// caller's showing is the last thing its handler does, and none reads the result.
void showModally(QDialog &dialog);

} // namespace korvane
