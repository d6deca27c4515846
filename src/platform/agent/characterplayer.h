// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <deque>
#include <memory>
#include <optional>

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QTimer>

#include "platform/agent/characterfile.h"

namespace Platform {

class CharacterBalloon;
class CharacterFigure;
class CharacterSpeaker;
class SpeechAudio;
class VoiceChoice;

/// What the players of one service share.
struct PlaybackContext {
    /// The synthesisers, on their threads, and the learner's choice between them.
    std::unique_ptr<VoiceChoice> speech;
    SpeechAudio *audio = nullptr;
    /// Animations, glides and speech run this many times faster (tests and demos).
    double timeScale = 1;
};

/// Carries out one character's requests, one at a time in the order queued: moves (a
/// glide once the figure is shown), showing, animations and speech with its balloon and
/// moving mouth (said by its CharacterSpeaker). Between requests the figure idles. Requests are queued by the service,
/// which has checked them; they start from the event loop, never inside enqueue().
class CharacterPlayer final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CharacterPlayer)
public:
    enum class RequestKind { Move, Show, Play, Speak };

    /// \a context must outlive the player.
    CharacterPlayer(const QString &characterId, CharacterDefinition definition, const PlaybackContext &context,
                    QObject *parent = nullptr);
    ~CharacterPlayer() override;

    CharacterFigure &figure() const { return *m_figure; }
    CharacterBalloon &balloon() const { return *m_balloon; }
    /// The voice ("ru" or "en") that later speech uses.
    QString voice() const;
    void setVoice(const QString &voice);

    /// Queues a request: \a line is its trace line, \a text the animation name or speech
    /// text, \a point the target of a move.
    void enqueue(RequestKind kind, const QString &line, const QString &text = {}, QPoint point = {});
    /// True while requests wait or run.
    bool isBusy() const { return m_current || !m_queue.empty(); }

Q_SIGNALS:
    void requestStarted(const QString &line);
    void requestFinished(const QString &line);
    void queueEmpty();
    void balloonTextChanged(const QString &text);

private:
    struct Request {
        RequestKind kind;
        QString line;
        QString text;
        QPoint point;
    };
    struct Glide {
        QPoint from;
        QPoint to;
        qint64 durationMs;
    };
    void scheduleAdvance();
    void advance();
    void finishRequest();
    void startGlide(QPoint target);
    void glideTick();

    QString m_id;
    const PlaybackContext &m_context;
    std::unique_ptr<CharacterFigure> m_figure;
    std::unique_ptr<CharacterBalloon> m_balloon;
    std::unique_ptr<CharacterSpeaker> m_speaker;
    QPoint m_position{450, 450};
    bool m_shown = false;
    std::deque<Request> m_queue;
    std::optional<Request> m_current;
    bool m_advanceScheduled = false;
    std::optional<Glide> m_glide;
    QTimer m_glideTimer;
    QElapsedTimer m_glideClock;
};

} // namespace Platform
