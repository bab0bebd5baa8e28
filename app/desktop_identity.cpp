#include "desktop_identity.h"

namespace korvane {

QString appId()
{
    return QStringLiteral(KORVANE_APP_ID);
}

QIcon programIcon()
{
    // QIcon reads a file only when a size is asked for, so this costs nothing at start-up.
    QIcon icon;
    for (const int size : {KORVANE_ICON_SIZES})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/%2.png").arg(size).arg(appId()),
                     QSize(size, size));
    return icon;
}

} // namespace korvane
