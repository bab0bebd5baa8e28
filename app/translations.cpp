// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace korvane {

namespace {

constexpr char Directory[] = ":/i18n";

} // namespace

bool Translations::install(const QLocale &locale)
{
    QCoreApplication::removeTranslator(&m_program);
    QCoreApplication::removeTranslator(&m_qt);
    if (!m_program.load(locale, QStringLiteral("korvane"), QStringLiteral("_"),
                        QLatin1String(Directory)))
        return false;
    QCoreApplication::installTranslator(&m_program);
    // Qt's own texts in the same language as the program's, not the next one the user lists.
    if (m_qt.load(QStringLiteral("qtbase_") + language(), QLatin1String(Directory)))
        QCoreApplication::installTranslator(&m_qt);
    return true;
}

QString Translations::language() const
{
    // The file that was loaded: ":/i18n/korvane_pt_BR.qm".
    const QString file = QFileInfo(m_program.filePath()).completeBaseName();
    return file.isEmpty() ? QString() : file.section(QLatin1Char('_'), 1);
}

} // namespace korvane
