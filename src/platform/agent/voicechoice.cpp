// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/voicechoice.h"

#include "platform/agent/agentlogging.h"
#include "platform/agent/backgroundspeechengine.h"

namespace Platform {

QString voiceName(RussianVoice voice)
{
    return voice == RussianVoice::Festival ? QStringLiteral("festival") : QStringLiteral("espeak-ng");
}

std::optional<RussianVoice> voiceNamed(const QString &name)
{
    for (const RussianVoice voice : {RussianVoice::Espeak, RussianVoice::Festival}) {
        if (name == voiceName(voice))
            return voice;
    }
    return std::nullopt;
}

VoiceChoice::VoiceChoice(std::unique_ptr<SpeechEngine> espeak)
    : m_espeak(std::move(espeak))
{
}

VoiceChoice::~VoiceChoice() = default;

void VoiceChoice::choose(RussianVoice voice, std::shared_ptr<BackgroundSpeechEngine> festival)
{
    if (festival)
        m_festival = std::move(festival);
    if (voice != m_chosen)
        m_unavailableTraced = false;
    m_chosen = voice;
}

void VoiceChoice::trace(const QString &line) const
{
    if (m_traceLine)
        m_traceLine(line);
}

RussianVoice VoiceChoice::speakerFor(const QString &voice)
{
    if (voice != QStringLiteral("ru") || m_chosen != RussianVoice::Festival)
        return RussianVoice::Espeak;
    const auto state = m_festival ? m_festival->state() : BackgroundSpeechEngine::State::Failed;
    if (state == BackgroundSpeechEngine::State::Ready && m_festival->hasVoice(voice))
        return RussianVoice::Festival;
    if (state != BackgroundSpeechEngine::State::Loading && !m_unavailableTraced) {
        m_unavailableTraced = true;
        const QString why = m_festival ? m_festival->problem() : QStringLiteral("not started");
        qCWarning(lcAgent) << "Festival cannot speak, eSpeak NG speaks instead:" << why;
        trace(QStringLiteral("VoiceUnavailable festival ") + why);
    }
    return RussianVoice::Espeak;
}

bool VoiceChoice::hasVoice(const QString &voice)
{
    return m_espeak->hasVoice(voice) || speakerFor(voice) == RussianVoice::Festival;
}

Utterance VoiceChoice::synthesize(const QString &voice, const SpeechText &text)
{
    const RussianVoice speaker = speakerFor(voice);
    if (m_speaking != speaker) {
        m_speaking = speaker;
        trace(QStringLiteral("Voice ") + voiceName(speaker));
    }
    return speaker == RussianVoice::Festival ? m_festival->synthesize(voice, text) : m_espeak->synthesize(voice, text);
}

} // namespace Platform
