// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include <QBuffer>
#include <QByteArray>
#include <QObject>

class QAudioSink;

namespace Platform {

/// Plays 16-bit mono speech on the default sound device. Without a device it plays
/// nothing and says so, and the caller keeps time itself.
class AudioPlayer final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AudioPlayer)
public:
    explicit AudioPlayer(QObject *parent = nullptr);
    ~AudioPlayer() override;

    /// Starts \a pcm at once (a sound still playing is cut). Returns false when there is no
    /// sound device or it refuses the format.
    bool play(const QByteArray &pcm, int sampleRate, int volumePercent);
    void stop();
    /// How much of the current sound the device has taken, in milliseconds; -1 when
    /// nothing is playing.
    qint64 playedMs() const;

private:
    std::unique_ptr<QAudioSink> m_sink;
    QBuffer m_buffer;
    QByteArray m_data;
    int m_sampleRate = 0;
    bool m_probed = false;
    bool m_hasDevice = false;
};

} // namespace Platform
