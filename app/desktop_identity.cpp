// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop_identity.h"

namespace korvane {

QString appId()
{
    return QStringLiteral(KORVANE_APP_ID);
}

QList<int> windowIconSizes()
{
    return {KORVANE_WINDOW_ICON_SIZES};
}

QIcon programIcon()
{
    // QIcon decodes each file as it is added: the larger sizes would cost start-up time and
    // memory that no title bar needs.
    QIcon icon;
    for (const int size : windowIconSizes())
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/%2.png").arg(size).arg(appId()),
                     QSize(size, size));
    return icon;
}

} // namespace korvane
