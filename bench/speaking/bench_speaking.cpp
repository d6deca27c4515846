// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
// The work done on the user-interface thread when a take ends: the pitch of a ten-second
// take and its match against the genie's phrase. Target: well under 100 ms together, so the
// picture appears as the playback starts.
#include <cmath>

#include <QtEndian>

#include <benchmark/benchmark.h>

#include "course/pitchcomparison.h"
#include "platform/audio/pitchtracker.h"

namespace {

constexpr int kRate = 16000;

QByteArray speechLike(double seconds)
{
    QByteArray pcm(qsizetype(seconds * kRate) * 2, '\0');
    double phase = 0;
    for (qsizetype i = 0; i < pcm.size() / 2; ++i) {
        const double t = double(i) / kRate;
        // Syllables of a quarter second with short gaps, the melody wandering.
        if (std::fmod(t, 0.25) > 0.2)
            continue;
        phase += 2 * M_PI * (120 + 30 * std::sin(t * 2)) / kRate;
        qToLittleEndian(qint16(10000 * (std::sin(phase) + 0.5 * std::sin(2 * phase))), pcm.data() + 2 * i);
    }
    return pcm;
}

void pitchOfTenSeconds(benchmark::State &state)
{
    const QByteArray take = speechLike(10);
    for (auto _ : state)
        benchmark::DoNotOptimize(Platform::trackPitch(take, kRate));
}
BENCHMARK(pitchOfTenSeconds)->Unit(benchmark::kMillisecond);

void matchOfTenSecondsAgainstThree(benchmark::State &state)
{
    const Platform::PitchTrack genie = Platform::trackPitch(speechLike(3), kRate);
    const Platform::PitchTrack learner = Platform::trackPitch(speechLike(10), kRate);
    const Course::PitchContour genieContour{genie.startMs, genie.frameMs, genie.hz};
    const Course::PitchContour learnerContour{learner.startMs, learner.frameMs, learner.hz};
    for (auto _ : state)
        benchmark::DoNotOptimize(Course::alignPitch(genieContour, learnerContour));
}
BENCHMARK(matchOfTenSecondsAgainstThree)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
