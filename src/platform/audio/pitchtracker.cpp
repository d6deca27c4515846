// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/audio/pitchtracker.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include <QtEndian>

#include <aubio/aubio.h>

namespace Platform {

namespace {

constexpr double kLowestHz = 50;
constexpr double kHighestHz = 600;
constexpr float kSilenceDb = -50;
constexpr float kTolerance = 0.2f;
constexpr double kLeastConfidence = 0.6;
constexpr int kShortestRun = 3;
constexpr int kMedianSpan = 5;

struct PitchDeleter {
    void operator()(aubio_pitch_t *pitch) const { del_aubio_pitch(pitch); }
};
struct VectorDeleter {
    void operator()(fvec_t *vector) const { del_fvec(vector); }
};

uint_t windowFor(int sampleRate)
{
    // Two periods of the lowest voice fit in the window.
    uint_t window = 256;
    while (window < uint_t(2 * sampleRate / kLowestHz))
        window *= 2;
    return window;
}

// Voiced stretches shorter than kShortestRun frames are clicks or slips, not voice.
void dropShortRuns(QList<double> &hz)
{
    qsizetype i = 0;
    while (i < hz.size()) {
        if (hz.at(i) <= 0) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < hz.size() && hz.at(end) > 0)
            ++end;
        if (end - i < kShortestRun)
            std::fill(hz.begin() + i, hz.begin() + end, 0.0);
        i = end;
    }
}

// A running median inside each voiced stretch.
QList<double> smoothed(const QList<double> &hz)
{
    QList<double> out = hz;
    QList<double> window;
    for (qsizetype i = 0; i < hz.size(); ++i) {
        if (hz.at(i) <= 0)
            continue;
        window.clear();
        for (qsizetype j = i - kMedianSpan / 2; j <= i + kMedianSpan / 2; ++j) {
            if (j >= 0 && j < hz.size() && hz.at(j) > 0)
                window << hz.at(j);
        }
        std::nth_element(window.begin(), window.begin() + window.size() / 2, window.end());
        out[i] = window.at(window.size() / 2);
    }
    return out;
}

} // namespace

PitchTrack trackPitch(const QByteArray &pcm, int sampleRate)
{
    PitchTrack track;
    if (sampleRate <= 0)
        return track;
    const uint_t hop = uint_t(std::max(1, sampleRate / 100));
    const uint_t window = windowFor(sampleRate);
    track.frameMs = 1000.0 * hop / sampleRate;
    std::unique_ptr<aubio_pitch_t, PitchDeleter> pitch(new_aubio_pitch("yinfast", window, hop, uint_t(sampleRate)));
    std::unique_ptr<fvec_t, VectorDeleter> input(new_fvec(hop));
    std::unique_ptr<fvec_t, VectorDeleter> output(new_fvec(1));
    if (!pitch || !input || !output)
        return track;
    aubio_pitch_set_unit(pitch.get(), "Hz");
    aubio_pitch_set_tolerance(pitch.get(), kTolerance);
    aubio_pitch_set_silence(pitch.get(), kSilenceDb);

    // Frame k sees the window that ends after its hop; its centre lies half a window back.
    const double delayMs = 1000.0 * (double(window) / 2 - hop) / sampleRate;
    const qsizetype samples = pcm.size() / 2;
    const qsizetype frames = (samples + hop - 1) / hop;
    QList<double> hz;
    hz.reserve(frames);
    for (qsizetype frame = 0; frame < frames; ++frame) {
        for (uint_t i = 0; i < hop; ++i) {
            const qsizetype at = frame * hop + i;
            input->data[i] = at < samples ? qFromLittleEndian<qint16>(pcm.constData() + 2 * at) / 32768.0f : 0.0f;
        }
        aubio_pitch_do(pitch.get(), input.get(), output.get());
        const double value = output->data[0];
        const bool voiced =
            aubio_pitch_get_confidence(pitch.get()) >= kLeastConfidence && value >= kLowestHz && value <= kHighestHz;
        hz << (voiced ? value : 0.0);
    }
    // Frames centred before the sound began say nothing about it.
    const auto skipped = qsizetype(std::ceil(delayMs / track.frameMs));
    hz.remove(0, std::min(skipped, hz.size()));
    track.startMs = skipped * track.frameMs - delayMs;
    dropShortRuns(hz);
    track.hz = smoothed(hz);
    return track;
}

} // namespace Platform
