// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound output through libpulse, which PulseAudio and PipeWire's PulseAudio service both
// serve. libpulse's threaded main loop renders from the mixer whenever the server asks for
// samples; the server keeps only 20 ms in hand, so a tone leaves the program within 5 ms of the
// call and is heard some 15 ms later.
#include "sound_output.h"

#include <pulse/pulseaudio.h>

#include <atomic>
#include <cstring>

namespace korvane::sound {

namespace {

constexpr pa_usec_t BufferedMicroseconds = 20000;
constexpr pa_usec_t RequestMicroseconds = 5000;

class PulseOutput : public MixingOutput {
public:
    ~PulseOutput() override
    {
        if (!m_loop)
            return;
        pa_threaded_mainloop_stop(m_loop);
        if (m_stream) {
            pa_stream_disconnect(m_stream);
            pa_stream_unref(m_stream);
        }
        if (m_context) {
            pa_context_disconnect(m_context);
            pa_context_unref(m_context);
        }
        pa_threaded_mainloop_free(m_loop);
    }

    bool start()
    {
        m_loop = pa_threaded_mainloop_new();
        if (!m_loop)
            return false;
        pa_proplist *properties = pa_proplist_new();
        pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Korvane");
        pa_proplist_sets(properties, PA_PROP_APPLICATION_ID, "org.korvane.Korvane");
        pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "org.korvane.Korvane");
        m_context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(m_loop), "Korvane",
                                                 properties);
        pa_proplist_free(properties);
        if (!m_context)
            return false;
        pa_context_set_state_callback(m_context, &PulseOutput::contextChanged, this);
        // A machine without a running sound server has no sound: none is started for it.
        if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            return false;
        return pa_threaded_mainloop_start(m_loop) == 0;
    }

    State state() const override { return m_state.load(); }

    void setDrift(DriftSound sound, double pixelsPerSecond) override
    {
        if (m_state.load() != State::Ready)
            return;
        pa_threaded_mainloop_lock(m_loop);
        m_mixer.setDrift(sound, pixelsPerSecond);
        pa_threaded_mainloop_unlock(m_loop);
    }

private:
    void play(const Samples *tone) override
    {
        if (m_state.load() != State::Ready)
            return;
        pa_threaded_mainloop_lock(m_loop);
        m_pending.ask(tone);
        pa_threaded_mainloop_unlock(m_loop);
    }

    static void contextChanged(pa_context *context, void *self)
    {
        auto *output = static_cast<PulseOutput *>(self);
        switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            if (!output->openStream())
                output->m_state = State::Unavailable;
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            output->m_state = State::Unavailable;
            break;
        default:
            break;
        }
    }

    bool openStream()
    {
        const pa_sample_spec sampleFormat {PA_SAMPLE_S16NE, SampleRate, 1};
        pa_proplist *properties = pa_proplist_new();
        pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "a11y");
        m_stream = pa_stream_new_with_proplist(m_context, "Drops and scale lines", &sampleFormat,
                                               nullptr, properties);
        pa_proplist_free(properties);
        if (!m_stream)
            return false;
        pa_stream_set_state_callback(m_stream, &PulseOutput::streamChanged, this);
        pa_stream_set_write_callback(m_stream, &PulseOutput::samplesWanted, this);
        pa_buffer_attr buffer;
        buffer.maxlength = std::uint32_t(-1);
        buffer.tlength = std::uint32_t(pa_usec_to_bytes(BufferedMicroseconds, &sampleFormat));
        buffer.prebuf = std::uint32_t(-1);
        buffer.minreq = std::uint32_t(pa_usec_to_bytes(RequestMicroseconds, &sampleFormat));
        buffer.fragsize = std::uint32_t(-1);
        return pa_stream_connect_playback(m_stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY,
                                          nullptr, nullptr) == 0;
    }

    static void streamChanged(pa_stream *stream, void *self)
    {
        auto *output = static_cast<PulseOutput *>(self);
        switch (pa_stream_get_state(stream)) {
        case PA_STREAM_READY:
            output->m_state = State::Ready;
            break;
        case PA_STREAM_FAILED:
        case PA_STREAM_TERMINATED:
            output->m_state = State::Unavailable;
            break;
        default:
            break;
        }
    }

    // On the main loop's thread, which holds the lock here.
    static void samplesWanted(pa_stream *stream, std::size_t bytes, void *self)
    {
        auto *output = static_cast<PulseOutput *>(self);
        const bool toneStarts = output->m_pending.startIn(output->m_mixer);
        void *data = nullptr;
        if (pa_stream_begin_write(stream, &data, &bytes) < 0 || !data)
            return;
        output->m_mixer.render(static_cast<std::int16_t *>(data), bytes / sizeof(std::int16_t));
        pa_stream_write(stream, data, bytes, nullptr, 0, PA_SEEK_RELATIVE);
        if (toneStarts)
            output->noteHandedOver();
    }

    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
    std::atomic<State> m_state {State::Connecting};
    // Below: only under the main loop's lock.
    Mixer m_mixer;
    PendingTone m_pending;
};

} // namespace

std::unique_ptr<SoundOutput> openPulseOutput()
{
    auto output = std::make_unique<PulseOutput>();
    if (!output->start())
        return nullptr;
    return output;
}

} // namespace korvane::sound
