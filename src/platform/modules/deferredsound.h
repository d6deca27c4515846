// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include "platform/audio/soundrecorder.h"

namespace Platform {

/// The recorder before the sound module is loaded: the first question or take makes the real
/// recorder from soundModule() and passes its signals on. Without the module there is no
/// input: availability() is NoDevice and start() fails with it.
class DeferredSoundRecorder final : public SoundRecorder {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DeferredSoundRecorder)
public:
    explicit DeferredSoundRecorder(QObject *parent = nullptr);
    ~DeferredSoundRecorder() override;

    std::optional<InputProblem> availability() override;
    bool start() override;
    void stop() override;
    void cancel() override;
    bool isRecording() const override;

private:
    SoundRecorder *target();

    std::unique_ptr<SoundRecorder> m_target;
    bool m_tried = false;
};

/// The player before the sound module is loaded: the first clip makes the real player.
/// Without the module nothing can be heard: play() is false.
class DeferredSoundPlayer final : public SoundPlayer {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DeferredSoundPlayer)
public:
    explicit DeferredSoundPlayer(QObject *parent = nullptr);
    ~DeferredSoundPlayer() override;

    bool play(const RecordedSound &sound) override;
    void stop() override;
    bool isPlaying() const override;

private:
    SoundPlayer *target();

    std::unique_ptr<SoundPlayer> m_target;
    bool m_tried = false;
};

} // namespace Platform
