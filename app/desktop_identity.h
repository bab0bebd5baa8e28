// How the desktop knows the program: the id that its desktop entry, metainfo and icon are named
// after, and the icon its windows carry.
#pragma once

#include <QIcon>
#include <QString>

namespace korvane {

/// The reverse-DNS id; the desktop entry is installed as "<id>.desktop".
QString appId();

/// The program's icon for its windows, at the sizes title bars and task bars use (16 to 64 px),
/// from the program's own resources. Launchers take the larger installed sizes from the theme.
QIcon programIcon();

} // namespace korvane
