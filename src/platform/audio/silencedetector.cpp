// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/audio/silencedetector.h"

#include <algorithm>
#include <cmath>

#include <QtEndian>

namespace Platform {

namespace {

constexpr qint64 kFrameMs = 20;
constexpr double kSilentDb = -100;
constexpr double kSpeechFloorDb = -45;
constexpr double kAboveQuietDb = 12;

double levelDb(const char *samples, qsizetype count)
{
    if (count <= 0)
        return kSilentDb;
    double sum = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const double value = qFromLittleEndian<qint16>(samples + 2 * i) / 32768.0;
        sum += value * value;
    }
    const double rms = std::sqrt(sum / double(count));
    return rms > 0 ? std::max(kSilentDb, 20 * std::log10(rms)) : kSilentDb;
}

bool isSpeech(double levelDb, double quietestDb)
{
    return levelDb > kSpeechFloorDb && levelDb >= quietestDb + kAboveQuietDb;
}

int frameSamples(int sampleRate)
{
    return std::max(1, int(sampleRate * kFrameMs / 1000));
}

} // namespace

SilenceDetector::SilenceDetector(int sampleRate)
    : SilenceDetector(sampleRate, Limits{})
{
}

SilenceDetector::SilenceDetector(int sampleRate, Limits limits)
    : m_sampleRate(std::max(1, sampleRate))
    , m_limits(limits)
{
}

SilenceDetector::Verdict SilenceDetector::feed(const QByteArray &pcm)
{
    m_pending += pcm;
    const qsizetype frameBytes = 2 * frameSamples(m_sampleRate);
    qsizetype at = 0;
    while (m_verdict == Verdict::Going && m_pending.size() - at >= frameBytes) {
        judgeFrame(levelDb(m_pending.constData() + at, frameBytes / 2));
        m_samples += frameBytes / 2;
        at += frameBytes;
        if (m_verdict == Verdict::Going && receivedMs() >= m_limits.limitMs)
            m_verdict = Verdict::TimeLimit;
    }
    m_pending.remove(0, at);
    return m_verdict;
}

void SilenceDetector::judgeFrame(double levelDb)
{
    m_level = std::clamp((levelDb + 60) / 60, 0.0, 1.0);
    // The quietest frame so far stands for the room; speech must rise well above it.
    if (!m_hasFloor || levelDb < m_floorDb) {
        m_floorDb = levelDb;
        m_hasFloor = true;
    }
    if (isSpeech(levelDb, m_floorDb)) {
        m_loudRunMs += kFrameMs;
        m_quietRunMs = 0;
        if (m_loudRunMs >= m_limits.speechMs)
            m_heardSpeech = true;
        return;
    }
    m_loudRunMs = 0;
    m_quietRunMs += kFrameMs;
    if (m_heardSpeech && m_quietRunMs >= m_limits.silenceMs)
        m_verdict = Verdict::Silence;
}

qint64 SilenceDetector::receivedMs() const
{
    return m_samples * 1000 / m_sampleRate;
}

qsizetype SilenceDetector::limitBytes() const
{
    return 2 * qsizetype(m_limits.limitMs * m_sampleRate / 1000);
}

QList<double> frameLevelsDb(const QByteArray &pcm, int sampleRate)
{
    const qsizetype samples = pcm.size() / 2;
    const qsizetype perFrame = frameSamples(sampleRate);
    QList<double> levels;
    levels.reserve(samples / perFrame + 1);
    for (qsizetype start = 0; start < samples; start += perFrame)
        levels << levelDb(pcm.constData() + 2 * start, std::min(perFrame, samples - start));
    return levels;
}

std::pair<qsizetype, qsizetype> speechSpan(const QByteArray &pcm, int sampleRate, qint64 marginMs)
{
    const QList<double> levels = frameLevelsDb(pcm, sampleRate);
    if (levels.isEmpty())
        return {0, 0};
    const double quietest = *std::min_element(levels.cbegin(), levels.cend());
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < levels.size(); ++i) {
        if (!isSpeech(levels.at(i), quietest))
            continue;
        if (first < 0)
            first = i;
        last = i;
    }
    if (first < 0)
        return {0, 0};
    const qsizetype frameBytes = 2 * frameSamples(sampleRate);
    const qsizetype marginBytes = 2 * qsizetype(marginMs * sampleRate / 1000);
    return {std::max<qsizetype>(0, first * frameBytes - marginBytes),
            std::min<qsizetype>(pcm.size() & ~qsizetype(1), (last + 1) * frameBytes + marginBytes)};
}

} // namespace Platform
