// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/modules/deferredsound.h"

#include "platform/audio/soundmodule.h"

namespace Platform {

DeferredSoundRecorder::DeferredSoundRecorder(QObject *parent)
    : SoundRecorder(parent)
{
}

DeferredSoundRecorder::~DeferredSoundRecorder() = default;

SoundRecorder *DeferredSoundRecorder::target()
{
    if (!m_tried) {
        m_tried = true;
        if (const SoundModule *module = soundModule()) {
            m_target = module->createRecorder();
            connect(m_target.get(), &SoundRecorder::finished, this, &SoundRecorder::finished);
            connect(m_target.get(), &SoundRecorder::failed, this, &SoundRecorder::failed);
            connect(m_target.get(), &SoundRecorder::levelChanged, this, &SoundRecorder::levelChanged);
        }
    }
    return m_target.get();
}

std::optional<SoundRecorder::InputProblem> DeferredSoundRecorder::availability()
{
    SoundRecorder *recorder = target();
    return recorder ? recorder->availability() : InputProblem::NoDevice;
}

bool DeferredSoundRecorder::start()
{
    if (SoundRecorder *recorder = target())
        return recorder->start();
    Q_EMIT failed(InputProblem::NoDevice, QStringLiteral("the sound module is not there"));
    return false;
}

void DeferredSoundRecorder::stop()
{
    if (m_target)
        m_target->stop();
}

void DeferredSoundRecorder::cancel()
{
    if (m_target)
        m_target->cancel();
}

bool DeferredSoundRecorder::isRecording() const
{
    return m_target && m_target->isRecording();
}

DeferredSoundPlayer::DeferredSoundPlayer(QObject *parent)
    : SoundPlayer(parent)
{
}

DeferredSoundPlayer::~DeferredSoundPlayer() = default;

SoundPlayer *DeferredSoundPlayer::target()
{
    if (!m_tried) {
        m_tried = true;
        if (const SoundModule *module = soundModule()) {
            m_target = module->createPlayer();
            connect(m_target.get(), &SoundPlayer::finished, this, &SoundPlayer::finished);
        }
    }
    return m_target.get();
}

bool DeferredSoundPlayer::play(const RecordedSound &sound)
{
    SoundPlayer *player = target();
    return player && player->play(sound);
}

void DeferredSoundPlayer::stop()
{
    if (m_target)
        m_target->stop();
}

bool DeferredSoundPlayer::isPlaying() const
{
    return m_target && m_target->isPlaying();
}

} // namespace Platform
