// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/audioplayer.h"

#include <cstring>
#include <deque>

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>

#include "platform/agent/agentlogging.h"
#include "platform/agent/soundformat.h"

namespace Platform {

/// The output's source: the sounds queued for it, read in order. It runs dry between
/// sentences (the output then waits) and says when more has come.
class SpeechStream final : public QIODevice {
public:
    SpeechStream() { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }

    void append(const QByteArray &data)
    {
        m_queued.push_back(data);
        m_available += data.size();
        Q_EMIT readyRead();
    }
    void clear()
    {
        m_queued.clear();
        m_available = 0;
        m_readFromFront = 0;
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_available + QIODevice::bytesAvailable(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        qint64 copied = 0;
        while (copied < maxSize && !m_queued.empty()) {
            const QByteArray &front = m_queued.front();
            const qint64 part = std::min(maxSize - copied, qint64(front.size()) - m_readFromFront);
            std::memcpy(data + copied, front.constData() + m_readFromFront, size_t(part));
            copied += part;
            m_readFromFront += part;
            if (m_readFromFront == front.size()) {
                m_queued.pop_front();
                m_readFromFront = 0;
            }
        }
        m_available -= copied;
        return copied;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    std::deque<QByteArray> m_queued;
    qint64 m_readFromFront = 0;
    qint64 m_available = 0;
};

namespace {

// How much the server is asked to hold ahead of what is heard: short, so that a speech
// soon follows the one before it, long enough to ride out a busy moment of the event loop
// that feeds the output.
constexpr int kServerBufferMs = 200;

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
    , m_stream(std::make_unique<SpeechStream>())
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
    m_sink->setBufferSize(format->bytesForDuration(kServerBufferMs * 1000));
    connect(m_sink.get(), &QAudioSink::stateChanged, this, &AudioPlayer::sinkStateChanged);
    m_format = *format;
    m_sampleRate = sampleRate;
    return std::nullopt;
}

std::optional<CharacterService::SoundProblem> AudioPlayer::play(const QByteArray &pcm, int sampleRate,
                                                                int volumePercent, bool continuesLatest)
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
    if (!m_sink || m_sampleRate != sampleRate) {
        stop();
        m_sink.reset();
        if (const auto problem = openSink(sampleRate))
            return problem;
    }
    const QByteArray data = convertSpeech(pcm, sampleRate, m_format);
    if (data.isEmpty() && !pcm.isEmpty()) {
        m_error = QStringLiteral("speech could not be converted to ") + describe(m_format);
        return CharacterService::SoundProblem::FormatRefused;
    }
    m_sink->setVolume(std::clamp(volumePercent, 0, 100) / 100.0);
    if (m_sink->state() == QAudio::StoppedState) {
        // A fresh start counts from nothing; after that the output only ever goes on, so
        // the sound the server still holds is never thrown away.
        m_stream->clear();
        m_stream->append(data);
        m_latestStartUs = 0;
        m_sink->start(m_stream.get());
        if (m_sink->error() != QAudio::NoError) {
            m_error = QStringLiteral("the sound device would not start (error %1)").arg(int(m_sink->error()));
            m_sink->stop();
            return CharacterService::SoundProblem::DeviceFailed;
        }
        m_queuedUs = m_format.durationForBytes(qint32(data.size()));
        return std::nullopt;
    }
    // After the queue ran dry the server may report having played past its end.
    const qint64 startUs = std::max(m_queuedUs, m_sink->processedUSecs());
    if (continuesLatest)
        // A piece that comes after the queue ran dry leaves a gap, which the count of
        // what the sound has played must skip.
        m_latestStartUs += startUs - m_queuedUs;
    else
        m_latestStartUs = startUs;
    m_queuedUs = startUs + m_format.durationForBytes(qint32(data.size()));
    m_stream->append(data);
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
    if (!m_sink || m_sink->state() == QAudio::StoppedState)
        return -1;
    return std::max<qint64>(0, m_sink->processedUSecs() - m_latestStartUs) / 1000;
}

void AudioPlayer::stop()
{
    if (m_sink) {
        // A stop asked for here is no failure to report.
        const QSignalBlocker quiet(m_sink.get());
        m_sink->stop();
    }
    m_stream->clear();
}

} // namespace Platform
