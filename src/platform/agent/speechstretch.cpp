// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/speechstretch.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include <QtEndian>

#include <soxr.h>

namespace Platform::SpeechStretch {

namespace {

std::vector<float> samplesOf(const QByteArray &pcm)
{
    std::vector<float> samples(std::size_t(pcm.size() / 2));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = qFromLittleEndian<qint16>(pcm.constData() + i * 2);
    return samples;
}

QByteArray pcmOf(const std::vector<float> &samples)
{
    QByteArray pcm(qsizetype(samples.size()) * 2, Qt::Uninitialized);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto value = qint16(std::clamp(std::lround(samples[i]), -32768L, 32767L));
        qToLittleEndian(value, pcm.data() + i * 2);
    }
    return pcm;
}

double similarity(const std::vector<float> &in, long start, long natural, long frame, long stride)
{
    const long count = long(in.size());
    double score = 0;
    for (long k = 0; k < frame && natural + k < count; k += stride)
        score += double(in[std::size_t(start + k)]) * in[std::size_t(natural + k)];
    return score;
}

// The offset within [-tolerance, tolerance] around \a ideal whose frame best continues the
// sound that follows the previous frame (\a natural), by cross-correlation: first every
// second offset on every fourth sample, then the neighbours of the best on every second.
long bestOffset(const std::vector<float> &in, long ideal, long natural, long frame, long tolerance)
{
    const long count = long(in.size());
    const auto fits = [&](long delta) { return ideal + delta >= 0 && ideal + delta + frame <= count; };
    long best = 0;
    double bestScore = -1e300;
    for (long delta = -tolerance; delta <= tolerance; delta += 2) {
        if (!fits(delta))
            continue;
        if (const double score = similarity(in, ideal + delta, natural, frame, 4); score > bestScore) {
            bestScore = score;
            best = delta;
        }
    }
    bestScore = -1e300;
    const long coarse = best;
    for (long delta = coarse - 1; delta <= coarse + 1; ++delta) {
        if (!fits(delta))
            continue;
        if (const double score = similarity(in, ideal + delta, natural, frame, 2); score > bestScore) {
            bestScore = score;
            best = delta;
        }
    }
    return best;
}

// Overlap-add at \a factor: the frames of \a in laid end to end where their waves line up.
std::vector<float> overlapAdd(const std::vector<float> &in, double factor, int sampleRate)
{
    const long frame = std::max(16L, long(sampleRate) * 24 / 1000);
    const long hop = frame / 2;
    const long tolerance = std::max(1L, long(sampleRate) * 6 / 1000);
    const long outLength = std::lround(double(in.size()) / factor);
    std::vector<float> out(std::size_t(outLength + frame), 0.0F);
    std::vector<float> weight(out.size(), 0.0F);
    std::vector<float> window(static_cast<std::size_t>(frame));
    for (long k = 0; k < frame; ++k)
        window[std::size_t(k)] = float(0.5 - 0.5 * std::cos(2 * std::numbers::pi * (k + 0.5) / double(frame)));

    long previous = 0;
    for (long at = 0; at < outLength; at += hop) {
        const long ideal = std::lround(double(at) * factor);
        const long start = at == 0 ? 0
                                   : std::clamp(ideal + bestOffset(in, ideal, previous + hop, frame, tolerance), 0L,
                                                std::max(0L, long(in.size()) - 1));
        for (long k = 0; k < frame && start + k < long(in.size()) && at + k < long(out.size()); ++k) {
            out[std::size_t(at + k)] += in[std::size_t(start + k)] * window[std::size_t(k)];
            weight[std::size_t(at + k)] += window[std::size_t(k)];
        }
        previous = start;
    }
    out.resize(std::size_t(outLength));
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (weight[i] > 0.05F)
            out[i] /= weight[i];
    }
    return out;
}

// \a in taken to be at \a fromRate, at \a toRate.
std::vector<float> resampled(const std::vector<float> &in, double fromRate, double toRate)
{
    std::vector<float> out(std::size_t(std::ceil(double(in.size()) * toRate / fromRate)) + 1);
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_MQ, 0);
    std::size_t written = 0;
    if (soxr_oneshot(fromRate, toRate, 1, in.data(), in.size(), nullptr, out.data(), out.size(), &written, &io,
                     &quality, nullptr))
        return {};
    out.resize(written);
    return out;
}

} // namespace

QByteArray reshape(const QByteArray &pcm, int sampleRate, int outputRate, double tempo, double pitch)
{
    if (pcm.size() < 4 || sampleRate <= 0 || outputRate <= 0)
        return {};
    tempo = std::clamp(tempo, 0.25, 4.0);
    pitch = std::clamp(pitch, 0.5, 2.0);
    const bool samePitch = std::abs(pitch - 1) < 1e-3;
    if (samePitch && std::abs(tempo - 1) < 1e-3 && sampleRate == outputRate)
        return pcm;
    std::vector<float> samples = samplesOf(pcm);
    // The pitch rises by playing the sound faster, which also shortens it: the overlap-add
    // makes up for that, so that the tempo comes out as asked.
    if (const double factor = std::clamp(samePitch ? tempo : tempo / pitch, 0.25, 4.0); std::abs(factor - 1) >= 1e-3)
        samples = overlapAdd(samples, factor, sampleRate);
    if (!samePitch || sampleRate != outputRate)
        samples = resampled(samples, double(sampleRate) * (samePitch ? 1 : pitch), outputRate);
    return pcmOf(samples);
}

QByteArray changeTempo(const QByteArray &pcm, double factor, int sampleRate)
{
    if (pcm.size() < 4 || sampleRate <= 0)
        return pcm;
    return reshape(pcm, sampleRate, sampleRate, factor, 1);
}

QByteArray shiftPitch(const QByteArray &pcm, double ratio, int sampleRate)
{
    if (pcm.size() < 4 || sampleRate <= 0)
        return pcm;
    return reshape(pcm, sampleRate, sampleRate, 1, ratio);
}

} // namespace Platform::SpeechStretch
