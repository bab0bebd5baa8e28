// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound_output.h"

#include <utility>

namespace korvane::sound {

namespace {

class NoSound : public SoundOutput {
public:
    State state() const override { return State::Unavailable; }
    void playCrossing(int) override { }
    void playPlate() override { }
    void setDrift(DriftSound, double) override { }
    std::chrono::steady_clock::time_point lastToneHandedOver() const override { return {}; }
};

constexpr std::chrono::milliseconds Stale(50);

} // namespace

MixingOutput::MixingOutput()
{
    for (int line = 1; line <= 9; ++line)
        m_crossings[std::size_t(line - 1)] = crossingTone(line);
    m_plate = plateTone();
}

void MixingOutput::playCrossing(int line)
{
    if (line >= 1 && line <= 9)
        play(&m_crossings[std::size_t(line - 1)]);
}

void MixingOutput::playPlate()
{
    play(&m_plate);
}

std::chrono::steady_clock::time_point MixingOutput::lastToneHandedOver() const
{
    return std::chrono::steady_clock::time_point(
        std::chrono::steady_clock::duration(m_handedOver.load()));
}

void MixingOutput::noteHandedOver()
{
    m_handedOver = std::chrono::steady_clock::now().time_since_epoch().count();
}

void PendingTone::ask(const Samples *tone)
{
    m_tone = tone;
    m_askedAt = std::chrono::steady_clock::now();
}

bool PendingTone::startIn(Mixer &mixer)
{
    const Samples *tone = std::exchange(m_tone, nullptr);
    if (!tone || std::chrono::steady_clock::now() - m_askedAt > Stale)
        return false;
    mixer.play(tone);
    return true;
}

#if defined(KORVANE_PULSE)
std::unique_ptr<SoundOutput> openPulseOutput();
#elif defined(KORVANE_WINMM)
std::unique_ptr<SoundOutput> openWinmmOutput();
#endif

std::unique_ptr<SoundOutput> openSoundOutput()
{
#if defined(KORVANE_PULSE)
    if (auto output = openPulseOutput())
        return output;
#elif defined(KORVANE_WINMM)
    if (auto output = openWinmmOutput())
        return output;
#endif
    return std::make_unique<NoSound>();
}

} // namespace korvane::sound
