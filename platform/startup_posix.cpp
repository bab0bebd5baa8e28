// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up on Linux: an X display or a Wayland desktop.
#include "startup.h"

#include <cstdio>
#include <cstdlib>

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

} // namespace

void prepareStartup()
{
    // Mends: on Wayland the title bar lies outside the window and the compositor places it, so
    // where there is an X display (Xwayland too) the program runs on it, as it was drawn for a
    // window manager's frame; Wayland serves when X cannot.
    // Measured: KDE Plasma and GNOME on Wayland, Debian 12 and 13 (doc/desktops.md).
    // Can go: when Wayland lets a program place its windows.
    if (!isSet("QT_QPA_PLATFORM") && isSet("DISPLAY"))
        setenv("QT_QPA_PLATFORM", isSet("WAYLAND_DISPLAY") ? "xcb;wayland" : "xcb", 1);
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
