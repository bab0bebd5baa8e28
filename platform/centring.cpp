// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "centring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace korvane {

void centreOnPrimaryScreen(QWidget &window, QSize outer)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window.move(area.topLeft() + centredWindowPosition(area.size(), outer));
}

} // namespace korvane
