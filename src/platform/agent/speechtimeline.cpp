// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/speechtimeline.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace Platform {

namespace {

// The mouth is decided for stretches this long: short enough to follow syllables, long
// enough not to flicker.
constexpr int kMouthStepMs = 40;
// Mean absolute sample value above which the mouth is drawn open.
constexpr int kMouthThreshold = 900;

QList<bool> mouthEnvelope(const Utterance &utterance)
{
    QList<bool> open;
    const qsizetype step = qsizetype(utterance.sampleRate) * kMouthStepMs / 1000;
    const auto *samples = reinterpret_cast<const qint16 *>(utterance.pcm.constData());
    const qsizetype count = utterance.pcm.size() / 2;
    for (qsizetype at = 0; step > 0 && at < count; at += step) {
        qint64 sum = 0;
        const qsizetype end = std::min(count, at + step);
        for (qsizetype k = at; k < end; ++k)
            sum += std::abs(int(samples[k]));
        open << (sum / std::max<qsizetype>(1, end - at) > kMouthThreshold);
    }
    return open;
}

} // namespace

SpeechTimeline::SpeechTimeline(const Utterance &utterance, const QString &shownText)
    : m_wordStartsMs(utterance.wordStartsMs)
    , m_durationMs(utterance.durationMs)
    , m_wordsInSpeech(int(utterance.wordStartsMs.size()))
    , m_shownWords(balloonWords(shownText))
    , m_mouthOpen(mouthEnvelope(utterance))
{
}

SpeechTimeline::SpeechTimeline(const Utterance &utterance, const QString &shownText, int wordsInSpeech)
    : SpeechTimeline(utterance, shownText)
{
    m_wordsInSpeech = std::max(wordsInSpeech, m_wordsInSpeech);
    m_complete = false;
}

int SpeechTimeline::wordsShownAt(qint64 ms) const
{
    const int all = int(m_shownWords.size());
    if (isDoneAt(ms) || (m_complete && m_wordStartsMs.isEmpty()))
        return all;
    qsizetype said = 0;
    while (said < m_wordStartsMs.size() && m_wordStartsMs.at(said) <= ms)
        ++said;
    return int(std::ceil(double(said) * all / double(std::max(1, m_wordsInSpeech))));
}

bool SpeechTimeline::mouthOpenAt(qint64 ms) const
{
    const qsizetype step = ms / kMouthStepMs;
    return !isDoneAt(ms) && ms >= 0 && step < m_mouthOpen.size() && m_mouthOpen.at(step);
}

} // namespace Platform
