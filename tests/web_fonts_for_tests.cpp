// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Built into the WebAssembly test programs that draw. Qt's offscreen platform there has no font
// of its own: the fonts and the hinting the program brings to a browser are installed as the
// program installs them, so that the suites measure the faces the Linux tests measure.

#include "web_fonts.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace {

void installFonts()
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        korvane::installWebFonts();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installFonts)
