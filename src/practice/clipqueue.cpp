// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/clipqueue.h"

namespace Practice {

ClipQueue::ClipQueue(Platform::SoundPlayer *player, QObject *parent)
    : QObject(parent)
    , m_player(player)
{
    if (player)
        connect(player, &Platform::SoundPlayer::finished, this, &ClipQueue::playNext);
}

ClipQueue::~ClipQueue() = default;

void ClipQueue::play(QList<Platform::RecordedSound> clips)
{
    clips.removeIf([](const Platform::RecordedSound &clip) { return clip.pcm.isEmpty(); });
    m_queue = clips;
    if (m_player)
        m_player->stop();
    playNext();
}

void ClipQueue::stop()
{
    m_queue.clear();
    if (m_player)
        m_player->stop();
}

void ClipQueue::playNext()
{
    while (!m_queue.isEmpty() && m_player) {
        if (m_player->play(m_queue.takeFirst()))
            break;
    }
    Q_EMIT changed();
}

} // namespace Practice
