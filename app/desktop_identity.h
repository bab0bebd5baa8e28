// How the desktop knows the program: the id that its desktop entry, metainfo and icon are named
// after, and the icon its windows carry.
#pragma once

#include <QIcon>
#include <QString>

namespace korvane {

/// The reverse-DNS id; the desktop entry is installed as "<id>.desktop".
QString appId();

/// The program's icon at each size it is drawn for, from the program's own resources.
QIcon programIcon();

} // namespace korvane
