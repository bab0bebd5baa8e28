// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up on Linux: an X display or a Wayland desktop, and a UTF-8 character type for Qt.
#include "platform.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <langinfo.h>
#include <strings.h>

namespace korvane::platform {

namespace {

bool isSet(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value;
}

void needDisplay()
{
    endWith(QStringLiteral("needs a graphical display; on a machine without one, run it as "
                           "'xvfb-run korvane'"));
}

// A Wayland desktop whose Qt lacks the Wayland plugin: the advice is that plugin, or X.
void needWaylandPlugin()
{
    endWith(QStringLiteral(
        "on Wayland it needs Qt's Wayland plugin: install the package qt6-wayland, or run it on "
        "X with DISPLAY naming an X display (as in 'DISPLAY=:0 korvane')"));
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

} // namespace

void prepareStartup()
{
    if (!isSet("QT_QPA_PLATFORM") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY"))
        needDisplay();
    // Where there is an X display the program runs on it, as it was drawn for a window manager's
    // frame, even on a Wayland desktop; Wayland serves when X cannot.
    if (!isSet("QT_QPA_PLATFORM") && isSet("DISPLAY"))
        setenv("QT_QPA_PLATFORM", isSet("WAYLAND_DISPLAY") ? "xcb;wayland" : "xcb", 1);
    chooseUtf8CharacterType();
}

void adviseOnPlatformFailure(bool (*said)(QLatin1String words))
{
    if (isSet("WAYLAND_DISPLAY") && !isSet("DISPLAY") &&
        said(QLatin1String("Could not find the Qt platform plugin \"wayland\"")))
        needWaylandPlugin();
    if (said(QLatin1String("could not connect to display")) ||
        said(QLatin1String("Failed to create wl_display")))
        needDisplay();
}

// Nothing has been set up that needs tearing down.
void endWith(const QString &message)
{
    std::fprintf(stderr, "korvane: %s\n", qPrintable(message));
    std::_Exit(EXIT_FAILURE);
}

} // namespace korvane::platform
