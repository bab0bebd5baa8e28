// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translated_number.h"

#include <QLocale>

namespace korvane {

QString withNumber(const QString &text, double value, int decimals)
{
    if (!text.contains(QLatin1String("%1")))
        return text;
    return text.arg(QLocale().toString(value, 'f', decimals));
}

} // namespace korvane
