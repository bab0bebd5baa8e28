// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program plays at any moment: at most one tone (a new one cuts the last short, so
// that a sound is never late), over the followed drop's drift, heard as clicks, one for every
// quarter pixel (1/120 of a scale division) the drop moves: low "tocks" while it falls, high
// "ticks" while it rises, faster the faster it goes; a soft hum while the field holds it still.
// Standard C++; the sound output renders from it on its own thread, under its lock.
#pragma once

#include "tones.h"

#include <cstddef>
#include <cstdint>

namespace korvane::sound {

enum class DriftSound {
    Off, ///< no drift sound: switched off, or nothing moves (the screen frozen, no drop)
    Hanging, ///< the field holds the drop: a soft hum
    Falling,
    Rising,
};

class Mixer {
public:
    /// Clicks per pixel of motion, and the most per second, beyond which they would run together.
    static constexpr double ClicksPerPixel = 4.0;
    static constexpr double MostClicksPerSecond = 40.0;
    // Below and above the crossing tones (415 to 1047 Hz), so that neither hides the other.
    static constexpr double FallingClickPitch = 300.0;
    static constexpr double RisingClickPitch = 2400.0;

    /// Starts the tone now, cutting short any tone still sounding. The samples must outlive it.
    void play(const Samples *tone);

    /// The drift from now on; `pixelsPerSecond` is the drop's speed, either way. A click sounds
    /// at once when the drop starts to move, turns, or changes its speed by a fifth or more (the
    /// voltage was changed), so that a change is heard without waiting for the next click.
    void setDrift(DriftSound sound, double pixelsPerSecond = 0);

    /// The next `count` samples.
    void render(std::int16_t *out, std::size_t count);

private:
    const Samples *m_tone = nullptr;
    std::size_t m_tonePosition = 0;
    DriftSound m_drift = DriftSound::Off;
    double m_clicksPerSample = 0;
    double m_clickPhase = 0; // a click starts when it reaches 1
    std::size_t m_clickAge = ClickSamples; // samples since the last click began
    double m_humPhase = 0;

    static constexpr std::size_t ClickSamples = SampleRate * 8 / 1000;
};

} // namespace korvane::sound
