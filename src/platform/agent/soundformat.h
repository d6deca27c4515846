// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>
#include <optional>

#include <QAudioFormat>
#include <QByteArray>

namespace Platform {

/// The format in which to play 16-bit mono speech at \a sampleRate on a device that takes
/// the formats \a supported accepts: the speech's own when the device takes it; otherwise
/// the device's \a preferred format; otherwise its preferred rate and channel count in
/// 16-bit or 32-bit float samples, then mono and stereo at common rates. Nothing when the
/// device takes none of these.
std::optional<QAudioFormat> negotiateSpeechFormat(int sampleRate, const QAudioFormat &preferred,
                                                  const std::function<bool(const QAudioFormat &)> &supported);

/// Converts little-endian 16-bit mono \a pcm at \a sampleRate into \a format: resampled
/// (libsoxr, medium quality), copied into every channel, in the format's sample type and
/// the machine's byte order, as QAudioSink expects it. Empty for a format without a sample
/// type or when resampling fails.
QByteArray convertSpeech(const QByteArray &pcm, int sampleRate, const QAudioFormat &format);

} // namespace Platform
