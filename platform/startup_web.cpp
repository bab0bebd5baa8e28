// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up in a browser tab. The page is the one screen and Qt's WebAssembly platform is always
// there, so nothing is chosen beforehand and no display can be missing; the language and the
// decimal separator come from the browser's languages, which Qt reads itself; the layout's
// fonts are built in. The page can change size (a browser window resized, a tablet turned),
// and the program's windows stay centred in it as they are on the screen. A last word goes
// where the page shows it in place of the window.
#include "centring.h"
#include "startup.h"
#include "web_fonts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QScreen>
#include <QWidget>

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

void centreWindows()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (window->isVisible() && (type == Qt::Window || type == Qt::Dialog))
            korvane::centreOnPrimaryScreen(*window, window->frameGeometry().size());
    }
}

void prepareApplication()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    korvane::installWebFonts();
    if (QScreen *page = QGuiApplication::primaryScreen())
        QObject::connect(page, &QScreen::geometryChanged, page, centreWindows);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(prepareApplication)
