// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mixer.h"

#include <algorithm>
#include <cmath>

namespace korvane::sound {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double ClickLoudness = 0.35 * 32767;
constexpr double HumLoudness = 0.05 * 32767;
constexpr double HumPitch = 110.0;

} // namespace

void Mixer::play(const Samples *tone)
{
    m_tone = tone;
    m_tonePosition = 0;
}

void Mixer::setDrift(DriftSound sound, double pixelsPerSecond)
{
    const bool moving = sound == DriftSound::Falling || sound == DriftSound::Rising;
    const double perSample = moving
        ? std::min(MostClicksPerSecond, ClicksPerPixel * std::fabs(pixelsPerSecond)) / SampleRate
        : 0.0;
    if (moving &&
        (sound != m_drift || std::fabs(perSample - m_clicksPerSample) > 0.2 * m_clicksPerSample))
        m_clickPhase = 1.0; // heard at once
    m_drift = sound;
    m_clicksPerSample = perSample;
}

void Mixer::render(std::int16_t *out, std::size_t count)
{
    const double clickPitch = m_drift == DriftSound::Rising ? RisingClickPitch : FallingClickPitch;
    for (std::size_t i = 0; i < count; ++i) {
        double sample = 0;
        if (m_tone && m_tonePosition < m_tone->size())
            sample += (*m_tone)[m_tonePosition++];
        if (m_clicksPerSample > 0) {
            m_clickPhase += m_clicksPerSample;
            if (m_clickPhase >= 1.0) {
                m_clickPhase -= std::floor(m_clickPhase);
                m_clickAge = 0;
            }
        }
        if (m_clickAge < ClickSamples) {
            const double t = double(m_clickAge) / SampleRate;
            const double envelope = 1.0 - double(m_clickAge) / ClickSamples;
            sample += ClickLoudness * envelope * envelope * std::sin(2 * Pi * clickPitch * t);
            ++m_clickAge;
        }
        if (m_drift == DriftSound::Hanging) {
            m_humPhase += HumPitch / SampleRate;
            m_humPhase -= std::floor(m_humPhase);
            sample +=
                HumLoudness * (std::sin(2 * Pi * m_humPhase) + 0.5 * std::sin(4 * Pi * m_humPhase));
        }
        out[i] = static_cast<std::int16_t>(std::clamp(sample, -32767.0, 32767.0));
    }
}

} // namespace korvane::sound
