// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translated_number.h"

#include "step.h"

#include <QCoreApplication>
#include <QLocale>

namespace korvane {

QString withNumber(const QString &text, double value, int decimals)
{
    if (!text.contains(QLatin1String("%1")))
        return text;
    return text.arg(QLocale().toString(value, 'f', decimals));
}

QString readingDecimalSeparator()
{
    //: Write "regional": in this language the stopwatch and the scale labels then take the
    //: user's decimal separator (1,8 s or 1.8 s), as the voltage does. English keeps the point.
    const QString rule = QCoreApplication::translate("korvane::Readings", "point");
    return rule == QLatin1String("regional") ? QString(QLocale().decimalPoint())
                                             : QStringLiteral(".");
}

QString shownTime(int32_t tenths)
{
    return QString::fromStdString(stopwatchText(tenths))
        .replace(QLatin1Char('.'), readingDecimalSeparator());
}

} // namespace korvane
