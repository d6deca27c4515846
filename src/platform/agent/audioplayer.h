// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>
#include <optional>

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QObject>

#include "platform/agent/characterservice.h"

class QAudioSink;

namespace Platform {

/// Plays 16-bit mono speech on the default sound device. A device that refuses the
/// speech's own format gets it converted to a format it takes (its preferred one first).
/// Without a device it plays nothing and says why, and the caller keeps time itself.
class AudioPlayer final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AudioPlayer)
public:
    explicit AudioPlayer(QObject *parent = nullptr);
    ~AudioPlayer() override;

    /// Starts \a pcm at once (a sound still playing is cut). Returns nothing when it plays;
    /// otherwise why not, with the details in errorString().
    std::optional<CharacterService::SoundProblem> play(const QByteArray &pcm, int sampleRate, int volumePercent);
    void stop();
    /// How much of the current sound the device has taken, in milliseconds; -1 when
    /// nothing is playing.
    qint64 playedMs() const;
    /// What went wrong last, for the trace and the log.
    QString errorString() const { return m_error; }

Q_SIGNALS:
    /// A sound that had started stopped with a device error.
    void failed(Platform::CharacterService::SoundProblem problem, const QString &detail);

private:
    std::optional<CharacterService::SoundProblem> openSink(int sampleRate);
    void sinkStateChanged();

    std::unique_ptr<QAudioSink> m_sink;
    QAudioFormat m_format;
    QBuffer m_buffer;
    QByteArray m_data;
    int m_sampleRate = 0;
    bool m_probed = false;
    bool m_hasDevice = false;
    QString m_error;
};

} // namespace Platform
