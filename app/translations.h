// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program in the user's language: its own translation and Qt's for the same language (the
// standard buttons of the error box), both built into the program's resources. Without a
// translation for any of the user's languages the program stays in English, its source texts.
#pragma once

#include <QString>
#include <QTranslator>

class QLocale;

namespace korvane {

class Translations {
public:
    /// Installs the translations for the first of the locale's languages that the program is
    /// translated into (QLocale::system() follows LANGUAGE and LANG); the ones installed before
    /// are removed. Returns false, and installs nothing, for a locale with none.
    bool install(const QLocale &locale);

    /// The language installed, as the resources name it ("de", "pt_BR"), or empty for English.
    QString language() const;

private:
    QTranslator m_program;
    QTranslator m_qt;
};

} // namespace korvane
