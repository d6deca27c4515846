// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/espeakspeechengine.h"

#include <algorithm>

#include <espeak-ng/speak_lib.h>

#include "platform/agent/agentlogging.h"
#include "platform/agent/speechtiming.h"

namespace Platform {

namespace {

// What one synthesis pass collects through the callback.
struct Collector {
    QByteArray pcm;
    QList<qsizetype> wordStarts;
    int sampleRate = 22050;
};

// libespeak-ng only knows one callback and one state per process, so its set-up result is
// remembered here rather than repeated per engine object.
int s_espeakSampleRate = -1;
// The pass in progress; synthesis is synchronous, so at most one at a time.
Collector *s_collector = nullptr;

int synthCallback(short *wave, int samples, espeak_EVENT *events)
{
    Collector *collector = s_collector;
    if (!collector)
        return 0;
    for (espeak_EVENT *event = events; event && event->type != espeakEVENT_LIST_TERMINATED; ++event) {
        if (event->type == espeakEVENT_WORD)
            collector->wordStarts << qsizetype(event->audio_position) * collector->sampleRate / 1000;
    }
    if (wave && samples > 0)
        collector->pcm.append(reinterpret_cast<const char *>(wave), samples * qsizetype(sizeof(short)));
    return 0;
}

} // namespace

Utterance silentUtterance(const SpeechText &text, int sampleRate)
{
    Utterance utterance;
    utterance.sampleRate = sampleRate;
    const int words = int(balloonWords(text.spoken).size());
    const int rate = text.wordsPerMinute.value_or(kDefaultWordsPerMinute);
    const qint64 perWord = 60000 / std::max(1, rate);
    for (int i = 0; i < words; ++i)
        utterance.wordStartsMs << i * perWord;
    utterance.durationMs = words * perWord;
    return utterance;
}

void appendUtterance(Utterance &whole, const Utterance &part)
{
    if (whole.pcm.isEmpty() && whole.wordStartsMs.isEmpty() && whole.durationMs == 0) {
        whole = part;
        return;
    }
    const qint64 offset = whole.durationMs;
    for (const qint64 start : part.wordStartsMs)
        whole.wordStartsMs << offset + start;
    whole.pcm += part.pcm;
    // Sound decides the length where there is sound, so that words stay with their samples.
    whole.durationMs =
        whole.pcm.isEmpty() ? offset + part.durationMs : whole.pcm.size() / 2 * 1000 / std::max(1, whole.sampleRate);
}

Utterance NullSpeechEngine::synthesize(const QString &, const SpeechText &text)
{
    return silentUtterance(text);
}

EspeakSpeechEngine::EspeakSpeechEngine(const QString &dataPath)
{
    if (s_espeakSampleRate < 0) {
        const QByteArray path = dataPath.toLocal8Bit();
        // DONT_EXIT: a missing data folder must not end the whole program.
        const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 200, path.isEmpty() ? nullptr : path.constData(),
                                           espeakINITIALIZE_DONT_EXIT);
        s_espeakSampleRate = rate > 0 ? rate : 0;
        if (s_espeakSampleRate > 0)
            espeak_SetSynthCallback(synthCallback);
        else
            qCWarning(lcAgent) << "espeak-ng could not start; speech is silent";
    }
    m_sampleRate = s_espeakSampleRate;
}

bool EspeakSpeechEngine::selectVoice(const QString &voice)
{
    if (!isAvailable() || m_missingVoices.contains(voice))
        return false;
    if (voice == m_currentVoice)
        return true;
    if (espeak_SetVoiceByName(voice.toLatin1().constData()) != EE_OK) {
        m_missingVoices.insert(voice);
        qCWarning(lcAgent) << "no espeak-ng voice" << voice;
        return false;
    }
    m_currentVoice = voice;
    return true;
}

bool EspeakSpeechEngine::hasVoice(const QString &voice)
{
    return selectVoice(voice);
}

Utterance EspeakSpeechEngine::synthesizeRaw(const QString &voice, const QString &text, int rate, int pitch)
{
    Utterance utterance;
    utterance.sampleRate = std::max(1, m_sampleRate);
    if (!selectVoice(voice) || text.isEmpty())
        return utterance;
    espeak_SetParameter(espeakRATE, std::clamp(rate, espeakRATE_MINIMUM, espeakRATE_MAXIMUM), 0);
    espeak_SetParameter(espeakPITCH, std::clamp(pitch, 0, 100), 0);
    Collector collector;
    collector.sampleRate = m_sampleRate;
    // Russian goes through the pronunciation corrections, whose "[[…]]" parts are phonemes;
    // a word whose stress a caller marked reaches its correction that way.
    const bool russian = voice == QStringLiteral("ru");
    const QByteArray utf8 = (russian ? m_russianLexicon.voiceInput(text) : text).toUtf8();
    const unsigned int flags = espeakCHARS_UTF8 | (russian && !m_russianLexicon.isEmpty() ? espeakPHONEMES : 0);
    s_collector = &collector;
    espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, flags, nullptr, nullptr);
    s_collector = nullptr;
    utterance.pcm = collector.pcm;
    utterance.durationMs = collector.pcm.size() / 2 * 1000 / m_sampleRate;
    for (const qsizetype start : std::as_const(collector.wordStarts))
        utterance.wordStartsMs << start * 1000 / m_sampleRate;
    return utterance;
}

Utterance EspeakSpeechEngine::synthesize(const QString &voice, const SpeechText &text)
{
    if (!selectVoice(voice) || text.spoken.isEmpty())
        return silentUtterance(text, std::max(1, m_sampleRate));

    const int target = std::clamp(text.wordsPerMinute.value_or(kDefaultWordsPerMinute), 20, 400);
    // The voice's own default pitch unless the text asks for one.
    const int pitch = text.pitchHz ? SpeechTiming::synthPitchFor(*text.pitchHz) : 50;
    int rate = SpeechTiming::synthRateFor(target);
    Utterance pass;
    double heard = 0;
    qsizetype words = 0;
    // At most three passes: the table gets close, one or two corrections land it.
    for (int attempt = 0; attempt < 3; ++attempt) {
        pass = synthesizeRaw(voice, text.spoken, rate, pitch);
        words = pass.wordStartsMs.size();
        const auto [first, last] = SpeechTiming::audibleSpan(pass.pcm);
        if (words == 0 || last <= first)
            return pass;
        heard = words * 60.0 * m_sampleRate / double(last - first);
        if (heard >= target * 0.98 || rate >= espeakRATE_MAXIMUM)
            break;
        rate = std::min(espeakRATE_MAXIMUM, int(rate * target / heard * 1.02 + 1));
    }
    if (heard > target && words > 1) {
        const auto [first, last] = SpeechTiming::audibleSpan(pass.pcm);
        pass.pcm = SpeechTiming::padToRate(pass.pcm, pass.wordStartsMs, last - first, target, m_sampleRate);
        pass.durationMs = pass.pcm.size() / 2 * 1000 / m_sampleRate;
    }
    return pass;
}

} // namespace Platform
