// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/speechstretch.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include <QtEndian>

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

} // namespace

QByteArray changeTempo(const QByteArray &pcm, double factor, int sampleRate)
{
    factor = std::clamp(factor, 0.25, 4.0);
    if (std::abs(factor - 1) < 1e-3 || pcm.size() < 4 || sampleRate <= 0)
        return pcm;
    const std::vector<float> in = samplesOf(pcm);
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
    return pcmOf(out);
}

QByteArray shiftPitch(const QByteArray &pcm, double ratio, int sampleRate)
{
    ratio = std::clamp(ratio, 0.5, 2.0);
    if (std::abs(ratio - 1) < 1e-3 || pcm.size() < 4)
        return pcm;
    const std::vector<float> slower = samplesOf(changeTempo(pcm, 1 / ratio, sampleRate));
    const std::size_t length = std::size_t(pcm.size() / 2);
    std::vector<float> out(length, 0.0F);
    // Played back ratio times faster, by linear interpolation: the length returns to the
    // input's and every frequency rises by ratio.
    for (std::size_t i = 0; i < length; ++i) {
        const double at = double(i) * ratio;
        const auto left = std::size_t(at);
        if (left + 1 >= slower.size())
            break;
        const double t = at - double(left);
        out[i] = float(slower[left] * (1 - t) + slower[left + 1] * t);
    }
    return pcmOf(out);
}

} // namespace Platform::SpeechStretch
