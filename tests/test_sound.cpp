// SPDX-FileCopyrightText: 2026 The Korvane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own sounds as a student hears them, rendered without a sound server: the drift
// clicks at a rate that tells the speed, at once when the drift changes and not again at every
// step, a hum for a drop held still; crossing tones at their pitches, below and above which the
// clicks stay; and a new tone that cuts the last short rather than waiting behind it.
#include "mixer.h"
#include "tones.h"

#include <QTest>

#include <cmath>
#include <complex>
#include <vector>

using namespace korvane::sound;

namespace {

std::vector<std::int16_t> render(Mixer &mixer, double seconds)
{
    std::vector<std::int16_t> out(static_cast<std::size_t>(seconds * SampleRate));
    // In the blocks the sound server asks for.
    for (std::size_t at = 0; at < out.size(); at += 240)
        mixer.render(out.data() + at, std::min<std::size_t>(240, out.size() - at));
    return out;
}

// Sounds that start out of 5 ms of near silence.
std::vector<std::size_t> onsets(const std::vector<std::int16_t> &samples)
{
    std::vector<std::size_t> found;
    std::size_t lastLoud = 0;
    bool any = false;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (std::abs(samples[i]) < 5000)
            continue;
        if (!any || i - lastLoud > SampleRate / 200)
            found.push_back(i);
        lastLoud = i;
        any = true;
    }
    return found;
}

double amplitudeAt(const std::vector<std::int16_t> &samples, double pitch)
{
    std::complex<double> sum;
    for (std::size_t i = 0; i < samples.size(); ++i)
        sum += double(samples[i]) * std::polar(1.0, -2 * M_PI * pitch * i / SampleRate);
    return std::abs(sum) * 2 / samples.size();
}

} // namespace

class TestSound : public QObject {
    Q_OBJECT

private slots:
    void driftClicks_data()
    {
        QTest::addColumn<int>("sound");
        QTest::addColumn<double>("pixelsPerSecond");
        QTest::addColumn<int>("clicks"); // in 2 s, the first at once
        QTest::addRow("0.4 um falling freely: 20 a second")
            << int(DriftSound::Falling) << 4.9697 << 40;
        QTest::addRow("near the balance: one every 2.5 s") << int(DriftSound::Rising) << 0.1 << 1;
        QTest::addRow("fast: no more than 40 a second") << int(DriftSound::Rising) << 260.0 << 80;
        QTest::addRow("held still: none") << int(DriftSound::Hanging) << 0.0 << 0;
        QTest::addRow("off: none") << int(DriftSound::Off) << 5.0 << 0;
    }
    void driftClicks()
    {
        QFETCH(int, sound);
        QFETCH(double, pixelsPerSecond);
        QFETCH(int, clicks);
        Mixer mixer;
        mixer.setDrift(DriftSound(sound), pixelsPerSecond);
        const std::vector<std::int16_t> heard = render(mixer, 2.0);
        const std::vector<std::size_t> found = onsets(heard);
        QVERIFY2(std::abs(int(found.size()) - clicks) <= 1,
                 qPrintable(QString::number(found.size())));
        if (clicks > 0)
            QVERIFY(found.front() < SampleRate / 100); // at once
        const bool hums = amplitudeAt(heard, 110.0) > 500;
        QCOMPARE(hums, DriftSound(sound) == DriftSound::Hanging);
    }

    // A new voltage is heard at once; the same drift told again at the next step is no news.
    void aChangeIsHeardAtOnce()
    {
        Mixer mixer;
        mixer.setDrift(DriftSound::Falling, 0.2); // a click every 1.25 s
        render(mixer, 0.3);
        mixer.setDrift(DriftSound::Falling, 0.2);
        QVERIFY(onsets(render(mixer, 0.3)).empty());
        mixer.setDrift(DriftSound::Falling, 0.12);
        std::vector<std::size_t> found = onsets(render(mixer, 0.3));
        QCOMPARE(found.size(), std::size_t(1));
        QVERIFY(found.front() < SampleRate / 100);
        mixer.setDrift(DriftSound::Rising, 0.12);
        found = onsets(render(mixer, 0.3));
        QCOMPARE(found.size(), std::size_t(1));
        QVERIFY(found.front() < SampleRate / 100);
    }

    // Each line has its tone, a falling drop goes down the scale, and the clicks stay outside
    // the tones' range, so that neither hides the other.
    void crossingTones()
    {
        for (int line = 1; line <= 9; ++line) {
            const Samples tone = crossingTone(line);
            QVERIFY(tone.size() < SampleRate / 10);
            const double pitch = crossingPitch(line);
            QVERIFY(amplitudeAt(tone, pitch) > 3 * amplitudeAt(tone, pitch * 1.12));
            QVERIFY(amplitudeAt(tone, pitch) > 3 * amplitudeAt(tone, pitch / 1.12));
            if (line > 1)
                QVERIFY(pitch < crossingPitch(line - 1) / 1.1);
            QVERIFY(pitch > Mixer::FallingClickPitch * 1.2);
            QVERIFY(pitch < Mixer::RisingClickPitch / 1.2);
        }
    }

    void aNewToneCutsTheLastShort()
    {
        const Samples first = crossingTone(3);
        const Samples second = crossingTone(4);
        Mixer mixer;
        mixer.play(&first);
        render(mixer, 0.010);
        mixer.play(&second);
        const std::vector<std::int16_t> heard = render(mixer, 0.1);
        for (std::size_t i = 0; i < second.size(); ++i)
            QCOMPARE(heard[i], second[i]);
        QCOMPARE(heard[second.size()], std::int16_t(0));
    }
};

QTEST_GUILESS_MAIN(TestSound)
#include "test_sound.moc"
