// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up: the application's title, the main window, then the event loop until the main window
// closes. Without a display the program says so in one line instead of aborting; what differs
// between operating systems is in platform/startup.h.
#include "desktop_identity.h"
#include "main_window.h"
#include "startup.h"
#include "translations.h"

#include <QApplication>
#include <QList>
#include <QLocale>
#include <QStringList>
#include <QTimer>

#include <clocale>
#include <cstdio>

namespace {

// What was said while the platform was being connected, held back until it is known whether
// that worked.
struct Said {
    bool byPlatform;
    QString message;
};
QList<Said> &heldBack()
{
    static QList<Said> said;
    return said;
}

bool platformSaid(QLatin1String words)
{
    for (const Said &said : heldBack()) {
        if (said.message.contains(words))
            return true;
    }
    return false;
}

// A failure to connect the platform ends the program with one line: where the platform's words
// have a known remedy (a display that cannot be reached, say), that advice; any other failure is
// named by what the platform said first, or else by the failure itself.
void startupMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool byPlatform = context.category && QByteArray(context.category).startsWith("qt.qpa");
    if (type != QtFatalMsg) {
        heldBack() << Said {byPlatform, message};
        return;
    }
    korvane::platform::adviseOnPlatformFailure(platformSaid);
    QString cause = message;
    for (const Said &said : heldBack()) {
        if (said.byPlatform) {
            cause = said.message;
            break;
        }
    }
    korvane::platform::endWith(cause.section(QLatin1Char('\n'), 0, 0));
}

// Once the platform is connected, its own messages about finding it are of no concern.
void showHeldBack()
{
    for (const Said &said : heldBack()) {
        if (!said.byPlatform && !korvane::platform::isNeedlessNotice(said.message))
            std::fprintf(stderr, "%s\n", qPrintable(said.message));
    }
    heldBack().clear();
}

} // namespace

int main(int argc, char *argv[])
{
    korvane::platform::prepareStartup();

    const QtMessageHandler previous = qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    showHeldBack();
    // Internal number formatting never follows the regional settings; what the user sees
    // takes the decimal separator from QLocale.
    std::setlocale(LC_NUMERIC, "C");
    // The desktop's language, before any window is built.
    korvane::Translations translations;
    translations.install(QLocale::system());

    QApplication::setApplicationName(QStringLiteral("Korvane"));
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(korvane::appId());

    korvane::Tmilikanfrm window;
    // Shown as it is: show() would let a platform that fills the screen with a new window (a
    // browser page) do so; the window keeps its fixed size everywhere.
    window.setVisible(true);
    QTimer::singleShot(0, &window, &korvane::Tmilikanfrm::startUp);
    return QApplication::exec();
}
