// Start-up: the application's title, the main window, then the event loop until the main window
// closes. Without a display the program says so in one line instead of aborting.
#include "classic_look.h"
#include "desktop_identity.h"
#include "main_window.h"
#include "translations.h"

#include <QApplication>
#include <QList>
#include <QLocale>
#include <QStringList>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <langinfo.h>
#include <strings.h>

namespace {

// Ends at once: nothing has been set up that needs tearing down.
void needDisplay()
{
    std::fputs("korvane: needs a graphical display; on a machine without one, run it as "
               "'xvfb-run korvane'\n",
               stderr);
    std::_Exit(EXIT_FAILURE);
}

bool isSet(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value;
}

// A Wayland desktop whose Qt lacks the Wayland plugin: the advice is that plugin, or X.
void needWaylandPlugin()
{
    std::fputs(
        "korvane: on Wayland it needs Qt's Wayland plugin: install the package qt6-wayland, or "
        "run it on X with DISPLAY naming an X display (as in 'DISPLAY=:0 korvane')\n",
        stderr);
    std::_Exit(EXIT_FAILURE);
}

bool isUtf8(const char *codeset)
{
    return strcasecmp(codeset, "UTF-8") == 0 || strcasecmp(codeset, "utf8") == 0;
}

// Qt needs a UTF-8 character type; finding another, it switches to one itself and says so in four
// lines. Choosing the same locale beforehand, through the environment Qt reads, keeps start-up
// quiet. Only the character type changes: numbers, dates and messages follow the user's settings.
void chooseUtf8CharacterType()
{
    if (!std::setlocale(LC_ALL, "") || isUtf8(nl_langinfo(CODESET)))
        return;
    std::string name = std::setlocale(LC_CTYPE, nullptr);
    name = name.substr(0, name.find_first_of(".@"));
    const char *chosen = nullptr;
    for (const std::string &candidate : {name + ".UTF-8", std::string("C.UTF-8")}) {
        if (std::setlocale(LC_CTYPE, candidate.c_str())) {
            chosen = std::setlocale(LC_CTYPE, nullptr);
            break;
        }
    }
    if (!chosen)
        return;
    const std::string characterType = chosen;
    std::setlocale(LC_ALL, "C");
    // LC_ALL would hide LC_CTYPE. LANG, the weakest setting, takes its value over; the other
    // LC_ variables were hidden by it and go with it.
    if (isSet("LC_ALL")) {
        setenv("LANG", std::getenv("LC_ALL"), 1);
        for (const char *category : {"LC_ALL", "LC_COLLATE", "LC_MESSAGES", "LC_MONETARY",
                                     "LC_NUMERIC", "LC_TIME", "LC_ADDRESS", "LC_IDENTIFICATION",
                                     "LC_MEASUREMENT", "LC_NAME", "LC_PAPER", "LC_TELEPHONE"})
            unsetenv(category);
    }
    setenv("LC_CTYPE", characterType.c_str(), 1);
}

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

// A failure to connect the platform ends the program with one line: a display that cannot be
// reached, or a Wayland desktop without Qt's plugin for it, becomes advice; any other failure is
// named by what the platform said first, or else by the failure itself.
void startupMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool byPlatform = context.category && QByteArray(context.category).startsWith("qt.qpa");
    if (type != QtFatalMsg) {
        heldBack() << Said {byPlatform, message};
        return;
    }
    if (isSet("WAYLAND_DISPLAY") && !isSet("DISPLAY") &&
        platformSaid(QLatin1String("Could not find the Qt platform plugin \"wayland\"")))
        needWaylandPlugin();
    if (platformSaid(QLatin1String("could not connect to display")) ||
        platformSaid(QLatin1String("Failed to create wl_display")))
        needDisplay();
    QString cause = message;
    for (const Said &said : heldBack()) {
        if (said.byPlatform) {
            cause = said.message;
            break;
        }
    }
    std::fprintf(stderr, "korvane: %s\n", qPrintable(cause.section(QLatin1Char('\n'), 0, 0)));
    std::_Exit(EXIT_FAILURE);
}

// Once the platform is connected, its own messages about finding it are of no concern.
void showHeldBack()
{
    for (const Said &said : heldBack()) {
        if (!said.byPlatform)
            std::fprintf(stderr, "%s\n", qPrintable(said.message));
    }
    heldBack().clear();
}

} // namespace

int main(int argc, char *argv[])
{
    if (!isSet("QT_QPA_PLATFORM") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY"))
        needDisplay();
    // Where there is an X display the program runs on it, as it was drawn for a window manager's
    // frame, even on a Wayland desktop; Wayland serves when X cannot.
    if (!isSet("QT_QPA_PLATFORM") && isSet("DISPLAY"))
        setenv("QT_QPA_PLATFORM", isSet("WAYLAND_DISPLAY") ? "xcb;wayland" : "xcb", 1);
    chooseUtf8CharacterType();

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
    QApplication::setStyle(QStringLiteral("Fusion"));
    korvane::keepClassicPalette();

    korvane::Tmilikanfrm window;
    window.show();
    QTimer::singleShot(0, &window, &korvane::Tmilikanfrm::startUp);
    return QApplication::exec();
}
