// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up's dealings with the operating system: startup_posix.cpp on Linux, startup_windows.cpp
// on Windows. What else differs between the two is in this folder too (legacy_fonts.cpp).
#pragma once

#include <QString>

namespace korvane::platform {

/// Before the application object exists: sets in the environment what Qt reads as it starts.
void prepareStartup();

/// When connecting the platform failed: ends the program with advice where what the platform
/// said, asked through `said`, has a known remedy; returns otherwise.
void adviseOnPlatformFailure(bool (*said)(QLatin1String words));

/// Ends the program at once with the one line `message`, where the user will see it.
[[noreturn]] void endWith(const QString &message);

/// Whether a message Qt wrote while starting is one the user need not see.
/// Mends: Qt 6.8, finding a character type that is not UTF-8 (LANG unset, say), switches to a
/// UTF-8 one itself and says so in four lines; nothing is left to be done about it.
/// Measured: Qt 6.8.2 on Debian 13 with LANG unset, the four lines without it and none with it;
/// Qt 6.4 says nothing.
/// Can go: never while Qt says it; it harms nothing where Qt is silent.
inline bool isNeedlessNotice(const QString &message)
{
    return message.startsWith(QLatin1String("Detected locale")) &&
        message.contains(QLatin1String("Qt depends on a UTF-8 locale"));
}

} // namespace korvane::platform
