// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/audio/qtsoundrecorder.h"

#include <algorithm>
#include <cmath>

#include <QAudioDevice>
#include <QAudioSource>
#include <QMediaDevices>
#include <QtEndian>

#include "platform/audio/audiologging.h"
#include "platform/audio/sampleconversion.h"

namespace Platform {

namespace {

constexpr int kPreferredRate = 16000;
constexpr int kLevelIntervalMs = 100;
// A device that stalls part-way still ends the take, a little after its limit.
constexpr int kDeadlineSlackMs = 1500;

std::optional<QAudioFormat> recordingFormat(const QAudioDevice &device)
{
    QAudioFormat wanted;
    wanted.setSampleRate(kPreferredRate);
    wanted.setChannelCount(1);
    wanted.setSampleFormat(QAudioFormat::Int16);
    if (device.isFormatSupported(wanted))
        return wanted;
    const QAudioFormat preferred = device.preferredFormat();
    if (preferred.isValid() && preferred.sampleFormat() != QAudioFormat::Unknown)
        return preferred;
    return std::nullopt;
}

qint16 clampToInt16(double value)
{
    return qint16(std::clamp(std::lround(value * 32767.0), -32768L, 32767L));
}

} // namespace

QByteArray toMono16(const QByteArray &raw, const QAudioFormat &format)
{
    const int bytes = format.bytesPerSample();
    const int channels = std::max(1, format.channelCount());
    if (bytes <= 0 || format.sampleFormat() == QAudioFormat::Unknown)
        return {};
    const qsizetype frames = raw.size() / (bytes * channels);
    QByteArray mono(frames * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < frames; ++i) {
        const char *sample = raw.constData() + i * bytes * channels;
        qint16 value = 0;
        // QAudioSource delivers samples in the machine's byte order.
        switch (format.sampleFormat()) {
        case QAudioFormat::UInt8:
            value = qint16((int(quint8(*sample)) - 128) << 8);
            break;
        case QAudioFormat::Int16:
            memcpy(&value, sample, 2);
            break;
        case QAudioFormat::Int32: {
            qint32 wide = 0;
            memcpy(&wide, sample, 4);
            value = qint16(wide >> 16);
            break;
        }
        case QAudioFormat::Float: {
            float real = 0;
            memcpy(&real, sample, 4);
            value = clampToInt16(real);
            break;
        }
        default:
            return {};
        }
        qToLittleEndian(value, mono.data() + 2 * i);
    }
    return mono;
}

QtSoundRecorder::QtSoundRecorder(QObject *parent)
    : SoundRecorder(parent)
{
    m_firstSound.setSingleShot(true);
    m_deadline.setSingleShot(true);
    connect(&m_firstSound, &QTimer::timeout, this, [this] {
        if (!m_gotSound)
            fail(InputProblem::AccessRefused, QStringLiteral("the input delivered no sound"));
    });
    connect(&m_deadline, &QTimer::timeout, this, [this] { finish(StopReason::TimeLimit); });
}

QtSoundRecorder::~QtSoundRecorder()
{
    release();
}

std::optional<SoundRecorder::InputProblem> QtSoundRecorder::availability()
{
    if (QMediaDevices::defaultAudioInput().isNull())
        return InputProblem::NoDevice;
    return std::nullopt;
}

bool QtSoundRecorder::start()
{
    release();
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull()) {
        fail(InputProblem::NoDevice, QStringLiteral("no sound input"));
        return false;
    }
    const std::optional<QAudioFormat> format = recordingFormat(device);
    if (!format) {
        fail(InputProblem::DeviceFailed, device.description() + QStringLiteral(" offers no usable format"));
        return false;
    }
    m_format = std::make_unique<QAudioFormat>(*format);
    m_source = std::make_unique<QAudioSource>(device, *m_format);
    connect(m_source.get(), &QAudioSource::stateChanged, this, &QtSoundRecorder::sourceStateChanged);
    m_take.clear();
    m_gotSound = false;
    m_detector.emplace(m_format->sampleRate());
    m_input = m_source->start();
    if (!m_input || m_source->error() != QAudio::NoError) {
        fail(InputProblem::DeviceFailed,
             QStringLiteral("%1 would not open (error %2)").arg(device.description()).arg(int(m_source->error())));
        return false;
    }
    connect(m_input, &QIODevice::readyRead, this, &QtSoundRecorder::readAvailable);
    qCDebug(lcAudio) << "recording from" << device.description() << *m_format;
    m_firstSound.start(m_firstSoundTimeoutMs);
    m_deadline.start(int(kLimitMs) + kDeadlineSlackMs);
    m_sinceLevel.start();
    return true;
}

void QtSoundRecorder::readAvailable()
{
    if (!m_input)
        return;
    const QByteArray raw = m_input->readAll();
    if (raw.isEmpty())
        return;
    m_gotSound = true;
    const QByteArray samples = toMono16(raw, *m_format);
    m_take += samples;
    const SilenceDetector::Verdict verdict = m_detector->feed(samples);
    if (m_sinceLevel.elapsed() >= kLevelIntervalMs) {
        m_sinceLevel.restart();
        Q_EMIT levelChanged(m_detector->level());
    }
    if (verdict == SilenceDetector::Verdict::Silence)
        finish(StopReason::Silence);
    else if (verdict == SilenceDetector::Verdict::TimeLimit)
        finish(StopReason::TimeLimit);
}

void QtSoundRecorder::sourceStateChanged()
{
    if (!m_source)
        return;
    const QAudio::Error error = m_source->error();
    if (error == QAudio::OpenError || error == QAudio::IOError || error == QAudio::FatalError)
        fail(InputProblem::DeviceFailed, QStringLiteral("the sound input stopped (error %1)").arg(int(error)));
}

void QtSoundRecorder::stop()
{
    if (m_source)
        finish(StopReason::Stopped);
}

void QtSoundRecorder::cancel()
{
    release();
}

void QtSoundRecorder::finish(StopReason reason)
{
    if (!m_source)
        return;
    // What is still buffered belongs to the take.
    readAvailable();
    if (!m_source)
        return;
    release();
    QByteArray take = m_take.left(m_detector->limitBytes());
    if (const auto [first, last] = speechSpan(take, m_format->sampleRate()); last > first)
        take = take.mid(first, last - first);
    m_take.clear();
    Q_EMIT finished(RecordedSound{take, m_format->sampleRate()}, reason);
}

void QtSoundRecorder::fail(InputProblem problem, const QString &detail)
{
    release();
    m_take.clear();
    qCInfo(lcAudio) << "recording failed:" << detail;
    Q_EMIT failed(problem, detail);
}

void QtSoundRecorder::release()
{
    m_firstSound.stop();
    m_deadline.stop();
    if (m_source) {
        const QSignalBlocker quiet(m_source.get());
        if (m_input)
            m_input->disconnect(this);
        m_source->stop();
        // Deleted later: this may run inside one of the source's own signals.
        m_source.release()->deleteLater();
    }
    m_input = nullptr;
}

} // namespace Platform
