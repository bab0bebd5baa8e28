// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's sounds as samples (48 kHz, mono, 16 bits): a short bell-like tone for the
// crossing of each scale line, a whole tone lower for each line further down, so that a falling
// drop is heard going down a scale and a rising one going up; and two low tones for a drop that
// reaches a plate. Standard C++ only.
#pragma once

#include <cstdint>
#include <vector>

namespace korvane::sound {

constexpr int SampleRate = 48000;

using Samples = std::vector<std::int16_t>;

/// The pitch of the tone for scale line 1..9 (0.1 to 0.9 mm below the upper plate), in Hz.
double crossingPitch(int line);

/// The tone for a crossing of that scale line: 70 ms, sounding at once and dying away.
Samples crossingTone(int line);

/// The followed drop has reached a plate: two low tones, 200 ms in all.
Samples plateTone();

} // namespace korvane::sound
