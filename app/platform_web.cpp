// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up in a browser tab. The page is the one screen and Qt's WebAssembly platform is always
// there, so nothing is chosen beforehand and no display can be missing; the language and the
// decimal separator come from the browser's languages, which Qt reads itself; the layout's
// fonts are built in. A last word goes where the page shows it in place of the window.
#include "platform.h"
#include "web_fonts.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace korvane::platform {

void prepareStartup() { }

void adviseOnPlatformFailure(bool (*)(QLatin1String)) { }

// The page shows the program's last line on its error output when the program ends.
void endWith(const QString &message)
{
    std::fprintf(stderr, "korvane: %s\n", qPrintable(message));
    std::_Exit(EXIT_FAILURE);
}

} // namespace korvane::platform

namespace {

void installFonts()
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        korvane::installWebFonts();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installFonts)
