// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Built into the Windows test programs only. The layout and drawing tests measure glyphs as
// Debian's fontconfig has FreeType draw them: light hinting, vertical only. Qt's offscreen
// platform on Windows has no fontconfig and hints fully instead, which rounds every height and
// width to whole pixels (a 13 px bold caption 15 px high instead of 15.1, so its label one
// pixel lower, and text a few pixels narrower or wider). Asking for the same light hinting
// makes the same font files measure and draw the same as on Linux.

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>

namespace {

void hintAsFontconfigDoes()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ||
        QGuiApplication::platformName() != QLatin1String("offscreen"))
        return;
    QFont font = QGuiApplication::font();
    font.setHintingPreference(QFont::PreferVerticalHinting);
    QGuiApplication::setFont(font);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(hintAsFontconfigDoes)
