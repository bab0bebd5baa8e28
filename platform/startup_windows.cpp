// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up on Windows: the desktop is always there and Qt's strings are UTF-16 throughout, so
// nothing needs choosing beforehand; a program without a console shows its last word in a box.
#include "startup.h"

#include <cstdio>
#include <cstdlib>

#include <windows.h>

namespace korvane::platform {

void prepareStartup() { }

// Windows' platform plugin needs no display server; what failed is named by the cause alone.
void adviseOnPlatformFailure(bool (*)(QLatin1String)) { }

// Started from the Start menu the program has no console: the line goes to a message box too.
void endWith(const QString &message)
{
    std::fprintf(stderr, "korvane: %s\n", qPrintable(message));
    const QString text = QStringLiteral("Korvane: ") + message;
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.utf16()), L"Korvane",
                MB_OK | MB_ICONERROR);
    std::_Exit(EXIT_FAILURE);
}

} // namespace korvane::platform
