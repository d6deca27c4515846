// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/soundformat.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include <QtEndian>

#include <soxr.h>

namespace Platform {

namespace {

QAudioFormat makeFormat(int sampleRate, int channels, QAudioFormat::SampleFormat sampleFormat)
{
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(channels);
    format.setSampleFormat(sampleFormat);
    return format;
}

// The speech as floats in [-1, 1] at \a outputRate.
std::optional<std::vector<float>> resampled(const QByteArray &pcm, int sampleRate, int outputRate)
{
    const auto frames = size_t(pcm.size() / 2);
    if (outputRate == sampleRate) {
        std::vector<float> samples(frames);
        for (size_t i = 0; i < frames; ++i)
            samples[i] = float(qFromLittleEndian<qint16>(pcm.constData() + 2 * i)) / 32768.0f;
        return samples;
    }
    std::vector<float> samples(size_t(std::ceil(double(frames) * outputRate / sampleRate)) + 1);
    const soxr_io_spec_t io = soxr_io_spec(SOXR_INT16_I, SOXR_FLOAT32_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_MQ, 0);
    size_t written = 0;
    // The synthesiser's samples are little-endian; soxr reads them in the machine's order.
    QByteArray native = pcm;
    if constexpr (QSysInfo::ByteOrder == QSysInfo::BigEndian) {
        for (qsizetype i = 0; i + 1 < native.size(); i += 2)
            std::swap(native[i], native[i + 1]);
    }
    const soxr_error_t error = soxr_oneshot(sampleRate, outputRate, 1, native.constData(), frames, nullptr,
                                            samples.data(), samples.size(), &written, &io, &quality, nullptr);
    if (error)
        return std::nullopt;
    samples.resize(written);
    return samples;
}

template<typename T>
void put(char *&at, T value)
{
    std::memcpy(at, &value, sizeof value);
    at += sizeof value;
}

} // namespace

std::optional<QAudioFormat> negotiateSpeechFormat(int sampleRate, const QAudioFormat &preferred,
                                                  const std::function<bool(const QAudioFormat &)> &supported)
{
    QList<QAudioFormat> candidates{makeFormat(sampleRate, 1, QAudioFormat::Int16)};
    if (preferred.isValid()) {
        candidates << preferred << makeFormat(preferred.sampleRate(), preferred.channelCount(), QAudioFormat::Int16)
                   << makeFormat(preferred.sampleRate(), preferred.channelCount(), QAudioFormat::Float);
    }
    for (const int rate : {48000, 44100}) {
        for (const int channels : {1, 2})
            candidates << makeFormat(rate, channels, QAudioFormat::Int16);
    }
    for (const QAudioFormat &candidate : std::as_const(candidates)) {
        if (candidate.isValid() && supported(candidate))
            return candidate;
    }
    return std::nullopt;
}

QByteArray convertSpeech(const QByteArray &pcm, int sampleRate, const QAudioFormat &format)
{
    if (!format.isValid() || format.sampleFormat() == QAudioFormat::Unknown || sampleRate <= 0)
        return {};
    const std::optional<std::vector<float>> samples = resampled(pcm, sampleRate, format.sampleRate());
    if (!samples)
        return {};
    const int channels = format.channelCount();
    QByteArray out(qsizetype(samples->size()) * format.bytesPerFrame(), Qt::Uninitialized);
    char *at = out.data();
    for (float sample : *samples) {
        sample = std::clamp(sample, -1.0f, 1.0f);
        for (int channel = 0; channel < channels; ++channel) {
            switch (format.sampleFormat()) {
            case QAudioFormat::UInt8:
                put(at, quint8(std::lround(sample * 127.0f + 128.0f)));
                break;
            case QAudioFormat::Int16:
                put(at, qint16(std::lround(sample * 32767.0f)));
                break;
            case QAudioFormat::Int32:
                put(at, qint32(std::llround(double(sample) * 2147483647.0)));
                break;
            case QAudioFormat::Float:
                put(at, sample);
                break;
            default:
                return {};
            }
        }
    }
    return out;
}

} // namespace Platform
