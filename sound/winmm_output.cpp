// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound output on Windows, through the waveOut functions every Windows has (and Wine maps
// to the desktop's sound server). A thread of its own keeps three buffers of 10 ms queued at the
// device, refilling each from the mixer as soon as the device has played it, so that a tone
// leaves the program within 10 ms of the call and 30 ms are in hand against a busy machine.
#include "sound_output.h"

#include <windows.h>

#include <mmsystem.h>

#include <array>
#include <atomic>
#include <mutex>
#include <thread>

namespace korvane::sound {

namespace {

constexpr std::size_t BufferSamples = SampleRate / 100;
constexpr std::size_t Buffers = 3;

class WinmmOutput : public MixingOutput {
public:
    ~WinmmOutput() override
    {
        if (m_thread.joinable()) {
            m_stop = true;
            SetEvent(m_played);
            m_thread.join();
        }
        if (m_device) {
            waveOutReset(m_device);
            for (Buffer &buffer : m_buffers) {
                if (buffer.header.dwFlags & WHDR_PREPARED)
                    waveOutUnprepareHeader(m_device, &buffer.header, sizeof buffer.header);
            }
            waveOutClose(m_device);
        }
        if (m_played)
            CloseHandle(m_played);
    }

    // False on a machine with no sound device, or with sound switched off.
    bool start()
    {
        m_played = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        if (!m_played)
            return false;
        WAVEFORMATEX format {};
        format.wFormatTag = WAVE_FORMAT_PCM;
        format.nChannels = 1;
        format.nSamplesPerSec = SampleRate;
        format.wBitsPerSample = 16;
        format.nBlockAlign = sizeof(std::int16_t);
        format.nAvgBytesPerSec = SampleRate * sizeof(std::int16_t);
        if (waveOutOpen(&m_device, WAVE_MAPPER, &format, DWORD_PTR(m_played), 0, CALLBACK_EVENT) !=
            MMSYSERR_NOERROR) {
            m_device = nullptr;
            return false;
        }
        for (Buffer &buffer : m_buffers) {
            buffer.header.lpData = reinterpret_cast<LPSTR>(buffer.samples.data());
            buffer.header.dwBufferLength = DWORD(sizeof buffer.samples);
            if (waveOutPrepareHeader(m_device, &buffer.header, sizeof buffer.header) !=
                MMSYSERR_NOERROR)
                return false;
        }
        m_state = State::Ready;
        m_thread = std::thread([this] { feed(); });
        return true;
    }

    State state() const override { return m_state.load(); }

    void setDrift(DriftSound sound, double pixelsPerSecond) override
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_mixer.setDrift(sound, pixelsPerSecond);
    }

private:
    struct Buffer {
        WAVEHDR header {};
        std::array<std::int16_t, BufferSamples> samples {};
    };

    void play(const Samples *tone) override
    {
        if (m_state.load() != State::Ready)
            return;
        const std::lock_guard<std::mutex> lock(m_lock);
        m_pending.ask(tone);
    }

    // On the output's thread: every buffer the device has played (or that was never queued) is
    // filled and queued again, whenever the device says it finished one.
    void feed()
    {
        while (!m_stop.load()) {
            for (Buffer &buffer : m_buffers) {
                if ((buffer.header.dwFlags & WHDR_INQUEUE) == 0 && !refill(buffer)) {
                    m_state = State::Unavailable;
                    return;
                }
            }
            WaitForSingleObject(m_played, INFINITE);
        }
    }

    bool refill(Buffer &buffer)
    {
        bool toneStarts = false;
        {
            const std::lock_guard<std::mutex> lock(m_lock);
            toneStarts = m_pending.startIn(m_mixer);
            m_mixer.render(buffer.samples.data(), buffer.samples.size());
        }
        if (waveOutWrite(m_device, &buffer.header, sizeof buffer.header) != MMSYSERR_NOERROR)
            return false;
        if (toneStarts)
            noteHandedOver();
        return true;
    }

    HWAVEOUT m_device = nullptr;
    HANDLE m_played = nullptr;
    std::array<Buffer, Buffers> m_buffers;
    std::thread m_thread;
    std::atomic<bool> m_stop {false};
    std::atomic<State> m_state {State::Connecting};
    // Below: only under m_lock.
    std::mutex m_lock;
    Mixer m_mixer;
    PendingTone m_pending;
};

} // namespace

std::unique_ptr<SoundOutput> openWinmmOutput()
{
    auto output = std::make_unique<WinmmOutput>();
    if (!output->start())
        return nullptr;
    return output;
}

} // namespace korvane::sound
