// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/audioplayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace Platform {

AudioPlayer::AudioPlayer(QObject *parent)
    : QObject(parent)
{
}

AudioPlayer::~AudioPlayer() { stop(); }

bool AudioPlayer::play(const QByteArray &pcm, int sampleRate, int volumePercent)
{
    // Looking for devices is slow on some systems; it happens at the first speech only.
    if (!m_probed) {
        m_probed = true;
        m_hasDevice = !QMediaDevices::defaultAudioOutput().isNull();
    }
    if (!m_hasDevice)
        return false;
    stop();
    if (!m_sink || m_sampleRate != sampleRate) {
        QAudioFormat format;
        format.setSampleRate(sampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (!device.isFormatSupported(format))
            return false;
        m_sink = std::make_unique<QAudioSink>(device, format);
        m_sampleRate = sampleRate;
    }
    m_sink->setVolume(std::clamp(volumePercent, 0, 100) / 100.0);
    m_data = pcm;
    m_buffer.setData(m_data);
    m_buffer.open(QIODevice::ReadOnly);
    m_sink->start(&m_buffer);
    return m_sink->error() == QAudio::NoError;
}

qint64 AudioPlayer::playedMs() const
{
    if (!m_sink || !m_buffer.isOpen() || m_sink->state() == QAudio::StoppedState)
        return -1;
    return m_sink->processedUSecs() / 1000;
}

void AudioPlayer::stop()
{
    if (m_sink)
        m_sink->stop();
    m_buffer.close();
}

} // namespace Platform
