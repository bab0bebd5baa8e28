// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The fonts the layout names, mapped onto this platform: "System" and "MS Sans Serif" become the
// platform's sans-serif on Linux and "Microsoft Sans Serif" on Windows, "Arial" is looked up by
// name (on Linux fontconfig resolves it to a metric-compatible face). Heights are character
// heights in pixels.
#pragma once

#include <QFont>

namespace korvane {

enum class LegacyFace { System, MsSansSerif, Arial };

QFont legacyFont(LegacyFace face, int pixelHeight, bool bold = false);

} // namespace korvane
