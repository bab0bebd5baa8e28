// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound_output.h"

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

} // namespace

#ifdef KORVANE_PULSE
std::unique_ptr<SoundOutput> openPulseOutput();
#endif

std::unique_ptr<SoundOutput> openSoundOutput()
{
#ifdef KORVANE_PULSE
    if (auto output = openPulseOutput())
        return output;
#endif
    return std::make_unique<NoSound>();
}

} // namespace korvane::sound
