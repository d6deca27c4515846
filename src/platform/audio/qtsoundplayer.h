// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include <QElapsedTimer>
#include <QTimer>

#include "platform/audio/soundrecorder.h"

namespace Platform {

class AudioPlayer;

/// Plays clips on the default sound output through the speech's own player, so a device
/// that refuses the clip's format gets it converted the same way.
class QtSoundPlayer final : public SoundPlayer {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtSoundPlayer)
public:
    explicit QtSoundPlayer(QObject *parent = nullptr);
    ~QtSoundPlayer() override;

    bool play(const RecordedSound &sound) override;
    void stop() override;
    bool isPlaying() const override { return m_watch.isActive(); }

private:
    void checkProgress();

    std::unique_ptr<AudioPlayer> m_player;
    QTimer m_watch;
    QElapsedTimer m_clock;
    qint64 m_durationMs = 0;
};

} // namespace Platform
