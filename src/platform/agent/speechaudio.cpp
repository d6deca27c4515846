// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/speechaudio.h"

#include "platform/agent/agentlogging.h"
#include "platform/agent/audioplayer.h"
#include "platform/agent/speechengine.h"
#include "platform/agent/wavwriter.h"

namespace Platform {

SpeechAudio::SpeechAudio(QString capturePath, QObject *parent)
    : QObject(parent)
    , m_player(std::make_unique<AudioPlayer>())
    , m_capturePath(std::move(capturePath))
{
    connect(m_player.get(), &AudioPlayer::failed, this, &SpeechAudio::report);
}

SpeechAudio::~SpeechAudio() = default;

void SpeechAudio::setOutput(bool enabled, int volumePercent)
{
    m_enabled = enabled;
    m_volumePercent = volumePercent;
    if (!enabled)
        m_player->stop();
}

bool SpeechAudio::start(const QString &characterId, const Utterance &utterance, bool realTime)
{
    if (!m_enabled || utterance.pcm.isEmpty())
        return false;
    const bool playing = hand(utterance, realTime, false);
    Q_EMIT started(characterId);
    return playing;
}

bool SpeechAudio::append(const Utterance &piece, bool realTime)
{
    return m_enabled && !piece.pcm.isEmpty() && hand(piece, realTime, true);
}

bool SpeechAudio::hand(const Utterance &utterance, bool realTime, bool continuesLatest)
{
    if (!m_capturePath.isEmpty()) {
        if (!m_capture)
            m_capture = std::make_unique<WavWriter>(m_capturePath, utterance.sampleRate);
        if (!m_capture->append(utterance.pcm, utterance.sampleRate))
            qCWarning(lcAgent) << "could not write speech to" << m_capturePath;
        return false;
    }
    if (!realTime)
        return false;
    const auto problem = m_player->play(utterance.pcm, utterance.sampleRate, m_volumePercent, continuesLatest);
    if (problem)
        report(*problem, m_player->errorString());
    return !problem;
}

qint64 SpeechAudio::playedMs() const
{
    return m_player->playedMs();
}

void SpeechAudio::report(CharacterService::SoundProblem problem, const QString &detail)
{
    qCWarning(lcAgent) << "speech cannot be heard:" << detail;
    // The learner needs telling once; every later speech would only repeat it.
    if (m_reported)
        return;
    m_reported = true;
    Q_EMIT soundUnavailable(problem, detail);
}

} // namespace Platform
