// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "legacy_fonts.h"

#include <QStringList>

namespace korvane {

QFont legacyFont(LegacyFace face, int pixelHeight, bool bold)
{
    QFont font;
    if (face == LegacyFace::Arial) {
        font.setFamily(QStringLiteral("Arial"));
    } else {
#ifdef Q_OS_WIN
        // Mends: Windows' bitmap "MS Sans Serif" and "System" come in a few sizes only (none
        // below 13 px), so the layout's small captions would grow; the TrueType form of the
        // face scales crisply and takes every height. Tahoma where it is missing (Wine).
        // Measured: Wine 8 and 10 with the Windows build, tools/dev windows-test.
        // Can go: never; it is the Windows side of the font mapping.
        font.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma")});
#else
        font.setFamily(QStringLiteral("Sans Serif"));
#endif
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

} // namespace korvane
