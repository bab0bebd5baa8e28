// Start-up: the application's title, the main window, then the event loop until the main window
// closes. Without a display the program says so in one line instead of aborting.
#include "classic_look.h"
#include "desktop_identity.h"
#include "main_window.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace {

// Ends at once: nothing has been set up that needs tearing down.
void needDisplay()
{
    std::fputs("korvane: needs a graphical display; on a machine without one, run it as "
               "'xvfb-run korvane'\n",
               stderr);
    std::_Exit(EXIT_FAILURE);
}

bool environmentNamesDisplay()
{
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char *value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

// What the platform said while it was being connected.
QStringList &platformMessages()
{
    static QStringList messages;
    return messages;
}

// While the platform is being connected, a display that cannot be reached becomes the one line
// above; any other failure is shown as the platform gave it.
void startupMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (context.category && QByteArray(context.category).startsWith("qt.qpa")) {
        platformMessages() << message;
        return;
    }
    if (type != QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        return;
    }
    for (const QString &said : platformMessages()) {
        if (said.contains(QLatin1String("could not connect to display")) ||
            said.contains(QLatin1String("Failed to create wl_display")))
            needDisplay();
    }
    for (const QString &said : platformMessages())
        std::fprintf(stderr, "%s\n", qPrintable(said));
    std::fprintf(stderr, "korvane: %s\n", qPrintable(message));
    std::_Exit(EXIT_FAILURE);
}

} // namespace

int main(int argc, char *argv[])
{
    if (!environmentNamesDisplay())
        needDisplay();

    const QtMessageHandler previous = qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    // Internal number formatting never follows the regional settings; what the user sees
    // takes the decimal separator from QLocale.
    std::setlocale(LC_NUMERIC, "C");

    QApplication::setApplicationName(QStringLiteral("Korvane"));
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(korvane::appId());
    QApplication::setStyle(QStringLiteral("Fusion"));
    korvane::keepClassicPalette();

    korvane::Tmilikanfrm window;
    window.show();
    QTimer::singleShot(0, &window, &korvane::Tmilikanfrm::startUp);
    return QApplication::exec();
}
