// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/speechtiming.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

#include <QtEndian>

namespace Platform::SpeechTiming {

namespace {

struct Point {
    int setting;
    double value;
};

// Words per minute as heard, averaged over three ordinary Russian sentences, for each rate
// setting of the synthesiser's Russian voice (espeak-ng 1.51).
constexpr std::array kRateTable{
    Point{80, 106},  Point{100, 118}, Point{120, 137}, Point{140, 155}, Point{160, 172}, Point{180, 189},
    Point{200, 204}, Point{250, 237}, Point{300, 263}, Point{350, 288}, Point{450, 423},
};

// Median fundamental in hertz of the Russian voice for each pitch setting.
constexpr std::array kPitchTable{
    Point{0, 73},     Point{10, 73.7}, Point{20, 80.2},  Point{30, 87.2},  Point{40, 95.5},   Point{50, 103},
    Point{60, 113.7}, Point{70, 126},  Point{80, 139.6}, Point{90, 156.4}, Point{100, 172.3},
};

template<std::size_t N>
int settingFor(const std::array<Point, N> &table, double value)
{
    if (value <= table.front().value)
        return table.front().setting;
    for (std::size_t i = 1; i < N; ++i) {
        if (value <= table[i].value) {
            const Point &a = table[i - 1];
            const Point &b = table[i];
            const double t = (value - a.value) / (b.value - a.value);
            return int(a.setting + t * (b.setting - a.setting) + 0.5);
        }
    }
    return table.back().setting;
}

qint16 sampleAt(const QByteArray &pcm, qsizetype index)
{
    return qFromLittleEndian<qint16>(pcm.constData() + index * 2);
}

} // namespace

int synthRateFor(int wordsPerMinute)
{
    return settingFor(kRateTable, wordsPerMinute);
}

int synthPitchFor(int hertz)
{
    return settingFor(kPitchTable, hertz);
}

std::pair<qsizetype, qsizetype> audibleSpan(const QByteArray &pcm, int threshold)
{
    const qsizetype count = pcm.size() / 2;
    qsizetype first = 0;
    while (first < count && std::abs(sampleAt(pcm, first)) < threshold)
        ++first;
    qsizetype last = count;
    while (last > first && std::abs(sampleAt(pcm, last - 1)) < threshold)
        --last;
    return first < last ? std::pair{first, last} : std::pair<qsizetype, qsizetype>{0, 0};
}

QByteArray insertWordGaps(const QByteArray &pcm, QList<qsizetype> &wordStarts, qsizetype gapSamples, int sampleRate)
{
    const qsizetype count = pcm.size() / 2;
    if (gapSamples <= 0 || wordStarts.size() < 2)
        return pcm;
    const qsizetype window = std::max(1, sampleRate / 200); // 5 ms
    const qsizetype before = sampleRate * 40 / 1000;
    const qsizetype after = sampleRate * 10 / 1000;

    // Where each pause goes: the start of the quietest window near the word boundary.
    QList<qsizetype> cuts;
    qsizetype previous = 0;
    for (qsizetype w = 1; w < wordStarts.size(); ++w) {
        const qsizetype start = std::clamp<qsizetype>(wordStarts[w], 0, count);
        const qsizetype from = std::max(previous, start - before);
        const qsizetype to = std::min(count - window, start + after);
        qsizetype best = start;
        qint64 bestEnergy = std::numeric_limits<qint64>::max();
        for (qsizetype at = from; at <= to; at += window / 2 + 1) {
            qint64 energy = 0;
            for (qsizetype k = 0; k < window; ++k)
                energy += std::abs(sampleAt(pcm, at + k));
            if (energy < bestEnergy) {
                bestEnergy = energy;
                best = at + window / 2;
            }
        }
        best = std::clamp(best, previous, count);
        cuts << best;
        previous = best;
    }

    QByteArray out;
    out.reserve(pcm.size() + cuts.size() * gapSamples * 2);
    qsizetype copied = 0;
    for (qsizetype i = 0; i < cuts.size(); ++i) {
        out.append(pcm.constData() + copied * 2, (cuts[i] - copied) * 2);
        out.append(QByteArray(gapSamples * 2, '\0'));
        copied = cuts[i];
        // The word starts after its pause, never before the sound that was moved.
        wordStarts[i + 1] = std::max(wordStarts[i + 1], cuts[i]) + (i + 1) * gapSamples;
    }
    out.append(pcm.constData() + copied * 2, (count - copied) * 2);
    return out;
}

QByteArray padToRate(const QByteArray &pcm, QList<qint64> &wordStartsMs, qsizetype audibleSamples, int wordsPerMinute,
                     int sampleRate)
{
    const qsizetype words = wordStartsMs.size();
    if (words < 2 || wordsPerMinute <= 0 || sampleRate <= 0)
        return pcm;
    const double wanted = words * 60.0 * sampleRate / wordsPerMinute;
    if (wanted <= double(audibleSamples))
        return pcm;
    const auto gap = qsizetype((wanted - double(audibleSamples)) / double(words - 1));
    QList<qsizetype> starts;
    for (const qint64 ms : std::as_const(wordStartsMs))
        starts << qsizetype(ms) * sampleRate / 1000;
    const QByteArray padded = insertWordGaps(pcm, starts, gap, sampleRate);
    wordStartsMs.clear();
    for (const qsizetype start : std::as_const(starts))
        wordStartsMs << qint64(start) * 1000 / sampleRate;
    return padded;
}

} // namespace Platform::SpeechTiming
