// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tones.h"

#include <algorithm>
#include <cmath>

namespace korvane::sound {

namespace {

constexpr double Pi = 3.14159265358979323846;
// Line 0.1 sounds C6; each line further down a whole tone lower, line 0.9 G#4.
constexpr double TopLinePitch = 1046.5;
constexpr double SemitonesPerLine = 2.0;
constexpr double Loudness = 0.45; // of full scale, leaving room for the drift's clicks

// A tone with its octave mixed in, rising within 2 ms (no click at the start) and dying away
// exponentially; `from` samples into `out`.
void addTone(Samples &out, std::size_t from, double pitch, double seconds, double decay)
{
    const auto count = static_cast<std::size_t>(seconds * SampleRate);
    out.resize(std::max(out.size(), from + count), 0);
    const double attack = 0.002 * SampleRate;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / SampleRate;
        const double envelope = std::min(1.0, i / attack) * std::exp(-t / decay) *
            (1.0 - double(i) / count); // ends at silence
        const double wave = std::sin(2 * Pi * pitch * t) + 0.3 * std::sin(2 * Pi * 2 * pitch * t);
        const double sample = out[from + i] + Loudness / 1.3 * envelope * wave * 32767;
        out[from + i] = static_cast<std::int16_t>(std::clamp(sample, -32767.0, 32767.0));
    }
}

} // namespace

double crossingPitch(int line)
{
    return TopLinePitch * std::pow(2.0, -SemitonesPerLine * (line - 1) / 12.0);
}

Samples crossingTone(int line)
{
    Samples tone;
    addTone(tone, 0, crossingPitch(line), 0.070, 0.025);
    return tone;
}

Samples plateTone()
{
    Samples tone;
    addTone(tone, 0, 220.0, 0.090, 0.040);
    addTone(tone, static_cast<std::size_t>(0.100 * SampleRate), 165.0, 0.100, 0.050);
    return tone;
}

} // namespace korvane::sound
