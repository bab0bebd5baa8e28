// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the program's sounds go: the desktop's sound server, reached in the background so that
// nothing waits for it, or nowhere, where there is none (a machine without sound, a build
// without libpulse). A tone is handed to the server within a few milliseconds of the call, on
// the output's own thread, and is never queued behind another: a new one cuts the last short.
#pragma once

#include "mixer.h"

#include <array>
#include <atomic>
#include <chrono>
#include <memory>

namespace korvane::sound {

class SoundOutput {
public:
    enum class State {
        Connecting, ///< not known yet
        Ready,
        Unavailable, ///< no sound server, or it failed: the program goes on without sound
    };

    virtual ~SoundOutput() = default;

    virtual State state() const = 0;
    /// The tone for a crossing of scale line 1..9.
    virtual void playCrossing(int line) = 0;
    /// The tone for the followed drop reaching a plate.
    virtual void playPlate() = 0;
    virtual void setDrift(DriftSound sound, double pixelsPerSecond = 0) = 0;
    /// When the first samples of the last tone were handed to the sound server; the epoch if
    /// none was. For the measurement of how late a sound is.
    virtual std::chrono::steady_clock::time_point lastToneHandedOver() const = 0;
};

/// Starts connecting to the desktop's sound server; the output's state says how it went.
std::unique_ptr<SoundOutput> openSoundOutput();

/// What the outputs through a sound server share: the tones made once, the moment the last one
/// was handed over.
class MixingOutput : public SoundOutput {
public:
    MixingOutput();

    void playCrossing(int line) final;
    void playPlate() final;
    std::chrono::steady_clock::time_point lastToneHandedOver() const final;

protected:
    /// Has the output start the tone as soon as it can.
    virtual void play(const Samples *tone) = 0;
    /// Called by the output's thread once a tone's first samples are handed over.
    void noteHandedOver();

private:
    std::array<Samples, 9> m_crossings;
    Samples m_plate;
    std::atomic<std::chrono::steady_clock::rep> m_handedOver {0};
};

/// A tone asked for on the program's thread and started on the output's when it next renders,
/// both under the output's lock. One asked for more than 50 ms before is dropped: late, it
/// would mislead more than help.
class PendingTone {
public:
    void ask(const Samples *tone);
    /// Starts the tone asked for in the mixer, if still fresh; true if it did.
    bool startIn(Mixer &mixer);

private:
    const Samples *m_tone = nullptr;
    std::chrono::steady_clock::time_point m_askedAt;
};

} // namespace korvane::sound
