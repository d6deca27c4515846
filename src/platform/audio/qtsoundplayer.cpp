// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/audio/qtsoundplayer.h"

#include "platform/agent/audioplayer.h"
#include "platform/audio/audiologging.h"

namespace Platform {

namespace {

constexpr int kWatchIntervalMs = 30;
// A device that stops reporting progress still ends the clip, this long after its end.
constexpr qint64 kStallSlackMs = 2000;

} // namespace

QtSoundPlayer::QtSoundPlayer(QObject *parent)
    : SoundPlayer(parent)
    , m_player(std::make_unique<AudioPlayer>())
{
    m_watch.setInterval(kWatchIntervalMs);
    connect(&m_watch, &QTimer::timeout, this, &QtSoundPlayer::checkProgress);
    connect(m_player.get(), &AudioPlayer::failed, this, [this](CharacterService::SoundProblem, const QString &detail) {
        qCInfo(lcAudio) << "playback stopped:" << detail;
        if (m_watch.isActive()) {
            m_watch.stop();
            Q_EMIT finished();
        }
    });
}

QtSoundPlayer::~QtSoundPlayer() = default;

bool QtSoundPlayer::play(const RecordedSound &sound)
{
    m_watch.stop();
    if (sound.pcm.isEmpty())
        return false;
    if (const auto problem = m_player->play(sound.pcm, sound.sampleRate, 100)) {
        qCInfo(lcAudio) << "cannot play a recording:" << m_player->errorString();
        return false;
    }
    m_durationMs = sound.durationMs();
    m_clock.start();
    m_watch.start();
    return true;
}

void QtSoundPlayer::stop()
{
    m_watch.stop();
    m_player->stop();
}

void QtSoundPlayer::checkProgress()
{
    const qint64 played = m_player->playedMs();
    if (played >= 0 && played < m_durationMs && m_clock.elapsed() < m_durationMs + kStallSlackMs)
        return;
    m_watch.stop();
    Q_EMIT finished();
}

} // namespace Platform
