// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/audioplayer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>

#include "platform/agent/agentlogging.h"
#include "platform/agent/soundformat.h"

namespace Platform {

namespace {

QString describe(const QAudioFormat &format)
{
    return QStringLiteral("%1 Hz, %2 channel(s), %3 bytes a sample")
        .arg(format.sampleRate())
        .arg(format.channelCount())
        .arg(format.bytesPerSample());
}

} // namespace

AudioPlayer::AudioPlayer(QObject *parent)
    : QObject(parent)
{
}

AudioPlayer::~AudioPlayer()
{
    stop();
}

std::optional<CharacterService::SoundProblem> AudioPlayer::openSink(int sampleRate)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        m_error = QStringLiteral("no sound device");
        return CharacterService::SoundProblem::NoDevice;
    }
    const std::optional<QAudioFormat> format = negotiateSpeechFormat(
        sampleRate, device.preferredFormat(), [&device](const QAudioFormat &f) { return device.isFormatSupported(f); });
    if (!format) {
        m_error = QStringLiteral("%1 takes no format that speech can be converted to").arg(device.description());
        return CharacterService::SoundProblem::FormatRefused;
    }
    if (format->sampleRate() != sampleRate || format->channelCount() != 1
        || format->sampleFormat() != QAudioFormat::Int16)
        qCInfo(lcAgent) << "speech is converted to" << describe(*format) << "for" << device.description();
    m_sink = std::make_unique<QAudioSink>(device, *format);
    connect(m_sink.get(), &QAudioSink::stateChanged, this, &AudioPlayer::sinkStateChanged);
    m_format = *format;
    m_sampleRate = sampleRate;
    return std::nullopt;
}

std::optional<CharacterService::SoundProblem> AudioPlayer::play(const QByteArray &pcm, int sampleRate,
                                                                int volumePercent)
{
    // Looking for devices is slow on some systems; it happens at the first speech only.
    if (!m_probed) {
        m_probed = true;
        m_hasDevice = !QMediaDevices::defaultAudioOutput().isNull();
    }
    if (!m_hasDevice) {
        m_error = QStringLiteral("no sound device");
        return CharacterService::SoundProblem::NoDevice;
    }
    stop();
    if (!m_sink || m_sampleRate != sampleRate) {
        m_sink.reset();
        if (const auto problem = openSink(sampleRate))
            return problem;
    }
    m_data = convertSpeech(pcm, sampleRate, m_format);
    if (m_data.isEmpty() && !pcm.isEmpty()) {
        m_error = QStringLiteral("speech could not be converted to ") + describe(m_format);
        return CharacterService::SoundProblem::FormatRefused;
    }
    m_sink->setVolume(std::clamp(volumePercent, 0, 100) / 100.0);
    m_buffer.setData(m_data);
    m_buffer.open(QIODevice::ReadOnly);
    m_sink->start(&m_buffer);
    if (m_sink->error() != QAudio::NoError) {
        m_error = QStringLiteral("the sound device would not start (error %1)").arg(int(m_sink->error()));
        m_buffer.close();
        return CharacterService::SoundProblem::DeviceFailed;
    }
    return std::nullopt;
}

void AudioPlayer::sinkStateChanged()
{
    // Running dry at the end of the speech is no failure; a device that opens and then
    // cannot go on is.
    const QAudio::Error error = m_sink ? m_sink->error() : QAudio::NoError;
    if (error == QAudio::OpenError || error == QAudio::IOError || error == QAudio::FatalError) {
        m_error = QStringLiteral("the sound device stopped (error %1)").arg(int(error));
        Q_EMIT failed(CharacterService::SoundProblem::DeviceFailed, m_error);
    }
}

qint64 AudioPlayer::playedMs() const
{
    if (!m_sink || !m_buffer.isOpen() || m_sink->state() == QAudio::StoppedState)
        return -1;
    return m_sink->processedUSecs() / 1000;
}

void AudioPlayer::stop()
{
    if (m_sink) {
        // A stop asked for here is no failure to report.
        const QSignalBlocker quiet(m_sink.get());
        m_sink->stop();
    }
    m_buffer.close();
}

} // namespace Platform
