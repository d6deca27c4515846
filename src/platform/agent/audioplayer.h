// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>
#include <optional>

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>

#include "platform/agent/characterservice.h"

class QAudioSink;

namespace Platform {

class SpeechStream;

/// Plays 16-bit mono speech on the default sound device. A device that refuses the
/// speech's own format gets it converted to a format it takes (its preferred one first).
/// Without a device it plays nothing and says why, and the caller keeps time itself.
///
/// One output stays open from the first speech on and plays a queue of sounds: a new sound
/// follows whatever the server still holds of the one before, so nothing is cut off, and
/// the server is kept to a short buffer so that what has been handed over is close to what
/// has been heard.
class AudioPlayer final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AudioPlayer)
public:
    explicit AudioPlayer(QObject *parent = nullptr);
    ~AudioPlayer() override;

    /// Plays \a pcm after the sound still queued or playing, at once when there is none.
    /// Returns nothing when it plays; otherwise why not, with the details in errorString().
    /// With \a continuesLatest the sound is the next piece of the latest one: playedMs()
    /// goes on counting from that sound's start.
    std::optional<CharacterService::SoundProblem> play(const QByteArray &pcm, int sampleRate, int volumePercent,
                                                       bool continuesLatest = false);
    /// Silences the device at once and forgets the queue.
    void stop();
    /// How much of the latest sound given to play() has been played, in milliseconds: 0
    /// while the sounds before it still play; -1 when nothing is playing.
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
    std::unique_ptr<SpeechStream> m_stream;
    QAudioFormat m_format;
    int m_sampleRate = 0;
    /// Where the latest sound begins in what the output has been given since it started.
    qint64 m_latestStartUs = 0;
    /// Where the queue ends, in the same count.
    qint64 m_queuedUs = 0;
    bool m_probed = false;
    bool m_hasDevice = false;
    QString m_error;
};

} // namespace Platform
