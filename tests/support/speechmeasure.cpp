// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "speechmeasure.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QList>
#include <QtEndian>

#include "platform/agent/speechtiming.h"

namespace TestSupport {

double medianPitch(const QByteArray &pcm, int sampleRate)
{
    const auto *x = reinterpret_cast<const qint16 *>(pcm.constData());
    const qsizetype count = pcm.size() / 2;
    const qsizetype frame = sampleRate * 40 / 1000;
    QList<double> pitches;
    for (qsizetype at = 0; at + frame + sampleRate / 50 < count; at += frame) {
        double energy = 0;
        for (qsizetype i = 0; i < frame; ++i)
            energy += double(x[at + i]) * x[at + i];
        if (energy / frame < 1e6)
            continue;
        double best = 0;
        int bestLag = 0;
        for (int lag = sampleRate / 300; lag <= sampleRate / 50; ++lag) {
            double product = 0;
            double shifted = 0;
            for (qsizetype i = 0; i < frame; ++i) {
                product += double(x[at + i]) * x[at + i + lag];
                shifted += double(x[at + i + lag]) * x[at + i + lag];
            }
            const double correlation = product / std::sqrt(energy * shifted + 1);
            if (correlation > best) {
                best = correlation;
                bestLag = lag;
            }
        }
        if (best > 0.6)
            pitches << double(sampleRate) / bestLag;
    }
    std::sort(pitches.begin(), pitches.end());
    return pitches.isEmpty() ? 0 : pitches.at(pitches.size() / 2);
}

QByteArray sine(double hertz, double seconds, int sampleRate, qint16 amplitude)
{
    QByteArray pcm;
    for (int i = 0; i < int(seconds * sampleRate); ++i) {
        char bytes[2];
        qToLittleEndian(qint16(std::lround(amplitude * std::sin(2 * std::numbers::pi * hertz * i / sampleRate))),
                        bytes);
        pcm.append(bytes, 2);
    }
    return pcm;
}

double heardWordsPerMinute(const QByteArray &pcm, int sampleRate, int words)
{
    const auto [first, last] = Platform::SpeechTiming::audibleSpan(pcm);
    return last > first ? words * 60.0 * sampleRate / double(last - first) : 0;
}

} // namespace TestSupport
