// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up's dealings with the operating system, in one place: platform_posix.cpp on Linux,
// platform_windows.cpp on Windows. Everything else is the same on both.
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

} // namespace korvane::platform
