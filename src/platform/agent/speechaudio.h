// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include <QObject>
#include <QString>

#include "platform/agent/characterservice.h"

namespace Platform {

class AudioPlayer;
class WavWriter;
struct Utterance;

/// Where synthesised speech goes: into the capture file when one is named (it takes the
/// place of the sound device), otherwise to the sound device, or nowhere when the learner
/// turned speech off. One per service; all characters share it. When the device cannot
/// play, speech goes on silently and soundUnavailable() says so, once.
class SpeechAudio final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpeechAudio)
public:
    /// \a capturePath: the WAV file for all speech of the run (VESKORA_AUDIO_OUT); empty
    /// plays on the sound device.
    explicit SpeechAudio(QString capturePath, QObject *parent = nullptr);
    ~SpeechAudio() override;

    /// The learner's choices: speech on or off, and its volume in percent.
    void setOutput(bool enabled, int volumePercent);

    /// Hands \a utterance of \a characterId over. Sound reaches the device only in
    /// \a realTime (sped-up time garbles it). Returns true when the device plays it, so that
    /// the caller's clock can follow playedMs(); false when the caller keeps time alone.
    bool start(const QString &characterId, const Utterance &utterance, bool realTime);
    /// Hands over the next piece of the speech start() began: it follows that speech in the
    /// capture file and on the device, and playedMs() counts from the speech's start.
    /// Returns what start() did for the speech.
    bool append(const Utterance &piece, bool realTime);
    /// How much of the current sound the device has played, in milliseconds; -1 when none.
    qint64 playedMs() const;

Q_SIGNALS:
    /// Speech audio of \a characterId was handed over (or would have been, without a device).
    void started(const QString &characterId);
    /// The first time that sound could not be played.
    void soundUnavailable(Platform::CharacterService::SoundProblem problem, const QString &detail);

private:
    void report(CharacterService::SoundProblem problem, const QString &detail);
    bool hand(const Utterance &utterance, bool realTime, bool continuesLatest);

    std::unique_ptr<AudioPlayer> m_player;
    std::unique_ptr<WavWriter> m_capture;
    QString m_capturePath;
    bool m_enabled = true;
    int m_volumePercent = 100;
    bool m_reported = false;
};

} // namespace Platform
