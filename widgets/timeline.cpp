// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timeline.h"

#include <QFile>

#include <memory>

namespace korvane {

void noteOnTimeline(const QString &what, std::chrono::steady_clock::time_point at)
{
    static const std::unique_ptr<QFile> timeline = []() -> std::unique_ptr<QFile> {
        const QString path = qEnvironmentVariable("KORVANE_TIMELINE");
        if (path.isEmpty())
            return nullptr;
        auto file = std::make_unique<QFile>(path);
        if (!file->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
            return nullptr;
        return file;
    }();
    if (!timeline)
        return;
    const auto nanoseconds =
        std::chrono::duration_cast<std::chrono::nanoseconds>(at.time_since_epoch()).count();
    QString line = QString::number(nanoseconds) + QLatin1Char(' ') + what;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    timeline->write((line + QLatin1Char('\n')).toUtf8());
}

} // namespace korvane
