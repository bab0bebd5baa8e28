// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// For measuring how late a student hears things (tools/orca-transcript): when the environment
// names a file in KORVANE_TIMELINE, the moments that matter (a step in which the followed drop
// crosses a line, a tone handed to the sound server, a message for the screen reader) are
// appended to it, one line each: the steady clock in nanoseconds, then what happened. Without
// the variable nothing is written.
#pragma once

#include <QString>

#include <chrono>

namespace korvane {

/// Notes the moment (now, unless given) with its words, if a timeline is kept.
void noteOnTimeline(const QString &what,
                    std::chrono::steady_clock::time_point at = std::chrono::steady_clock::now());

} // namespace korvane
