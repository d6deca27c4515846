// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include "platform/audio/soundrecorder.h"

namespace Practice {

/// Plays clips one after the other on a sound player (the genie's phrase, then the
/// learner's). Empty clips are skipped, and so is a clip the player cannot start. The
/// player may be destroyed first (the program closing): the queue then plays nothing.
class ClipQueue final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClipQueue)
public:
    /// \a player may be null: nothing is ever heard.
    explicit ClipQueue(Platform::SoundPlayer *player, QObject *parent = nullptr);
    ~ClipQueue() override;

    /// Replaces whatever plays or waits by \a clips.
    void play(QList<Platform::RecordedSound> clips);
    /// Stops the clip playing and drops those waiting.
    void stop();
    /// True while a player is there.
    bool canPlay() const { return m_player != nullptr; }

Q_SIGNALS:
    /// A clip began or the last one ended.
    void changed();

private:
    void playNext();

    QPointer<Platform::SoundPlayer> m_player;
    QList<Platform::RecordedSound> m_queue;
};

} // namespace Practice
