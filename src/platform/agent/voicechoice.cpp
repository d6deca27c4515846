// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/voicechoice.h"

#include "platform/agent/agentlogging.h"
#include "platform/agent/festivalvoice.h"
#include "platform/agent/speechworker.h"

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

VoiceChoice::VoiceChoice(std::unique_ptr<SpeechWorker> espeak, FestivalSource festival)
    : m_espeak(std::move(espeak))
    , m_festivalSource(std::move(festival))
{
}

VoiceChoice::~VoiceChoice() = default;

void VoiceChoice::choose(RussianVoice voice)
{
    if (voice == RussianVoice::Festival && !m_festival && m_festivalSource)
        m_festival = m_festivalSource();
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
    const auto state = m_festival ? m_festival->state() : FestivalVoice::State::Failed;
    if (state == FestivalVoice::State::Ready)
        return RussianVoice::Festival;
    if (state != FestivalVoice::State::Loading && !m_unavailableTraced) {
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

SpeechWorker &VoiceChoice::workerFor(const QString &voice)
{
    const RussianVoice speaker = speakerFor(voice);
    // Without Festival there is no choice to report.
    if (m_festivalSource && m_speaking != speaker) {
        m_speaking = speaker;
        trace(QStringLiteral("Voice ") + voiceName(speaker));
    }
    return speaker == RussianVoice::Festival ? m_festival->worker() : *m_espeak;
}

void VoiceChoice::synthesize(const QString &voice, const SpeechText &text, QObject *receiver,
                             std::function<void(const Utterance &)> done)
{
    workerFor(voice).synthesize(voice, text, receiver, std::move(done));
}

void VoiceChoice::synthesizeInParts(const QString &voice, const SpeechText &text, QObject *receiver,
                                    std::function<void(const UtterancePart &)> deliver)
{
    workerFor(voice).synthesizeInParts(voice, text, receiver, std::move(deliver));
}

} // namespace Platform
