// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How the desktop knows the program: the id that its desktop entry, metainfo and icon are named
// after, and the icon its windows carry.
#pragma once

#include <QIcon>
#include <QList>
#include <QString>

namespace korvane {

/// The reverse-DNS id; the desktop entry is installed as "<id>.desktop".
QString appId();

/// The sizes [px] at which the windows' icon is drawn, each from a picture of its own: those
/// title bars and task bars use. Launchers take the larger installed sizes from the theme.
QList<int> windowIconSizes();

/// The program's icon for its windows, at those sizes, from the program's own resources.
QIcon programIcon();

} // namespace korvane
