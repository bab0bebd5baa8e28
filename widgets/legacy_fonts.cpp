// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "legacy_fonts.h"

namespace korvane {

QFont legacyFont(LegacyFace face, int pixelHeight, bool bold)
{
    QFont font;
    if (face == LegacyFace::Arial) {
        font.setFamily(QStringLiteral("Arial"));
    } else {
        font.setFamily(QStringLiteral("Sans Serif"));
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

} // namespace korvane
