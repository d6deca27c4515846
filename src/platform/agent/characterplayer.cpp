// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/characterplayer.h"

#include <cmath>

#include "platform/agent/characterballoon.h"
#include "platform/agent/characterfigure.h"
#include "platform/agent/characterwindow.h"
#include "platform/agent/speechaudio.h"
#include "platform/agent/speechengine.h"
#include "platform/agent/speechtext.h"
#include "platform/agent/speechtimeline.h"
#include "platform/agent/voicechoice.h"

namespace Platform {

namespace {

constexpr int kTickMs = 20;
constexpr int kBalloonHideMs = 1500;
// How far the sound may lag behind the clock before the balloon stops waiting for it: more
// than a sound server's latency (the words follow what has been heard, and the next request
// waits for the end of the sound), yet a stalled device holds up the queue no longer.
constexpr int kAudioSlackMs = 1500;

} // namespace

struct CharacterPlayer::Speech {
    SpeechTimeline timeline;
    /// The device plays the sound, so words and mouth follow what it has played.
    bool followsSound;
};

CharacterPlayer::CharacterPlayer(const QString &characterId, CharacterDefinition definition,
                                 const PlaybackContext &context, QObject *parent)
    : QObject(parent)
    , m_id(characterId)
    , m_context(context)
    , m_figure(std::make_unique<CharacterFigure>(characterId, std::move(definition), context.timeScale))
    , m_balloon(std::make_unique<CharacterBalloon>(*m_figure->window()))
{
    m_tickTimer.setInterval(kTickMs);
    connect(&m_tickTimer, &QTimer::timeout, this, [this] {
        if (m_speech)
            speechTick();
        else if (m_glide)
            glideTick();
    });
    connect(m_figure.get(), &CharacterFigure::animationFinished, this, &CharacterPlayer::finishRequest);
}

CharacterPlayer::~CharacterPlayer() = default;

void CharacterPlayer::enqueue(RequestKind kind, const QString &line, const QString &text, QPoint point)
{
    m_queue.push_back({kind, line, text, point});
    if (!m_current)
        scheduleAdvance();
}

void CharacterPlayer::scheduleAdvance()
{
    // The caller never waits: the next request starts from the event loop.
    if (m_advanceScheduled)
        return;
    m_advanceScheduled = true;
    QMetaObject::invokeMethod(this, &CharacterPlayer::advance, Qt::QueuedConnection);
}

void CharacterPlayer::advance()
{
    m_advanceScheduled = false;
    if (m_current)
        return;
    m_figure->stopIdle();
    if (m_queue.empty()) {
        Q_EMIT queueEmpty();
        if (m_shown)
            m_figure->startIdle();
        return;
    }
    m_current = m_queue.front();
    m_queue.pop_front();
    Q_EMIT requestStarted(m_current->line);
    CharacterWindow *window = m_figure->window();
    switch (m_current->kind) {
    case RequestKind::Move:
        if (!m_shown || m_position == m_current->point) {
            m_position = m_current->point;
            window->move(m_position);
            finishRequest();
        } else {
            startGlide(m_current->point);
        }
        break;
    case RequestKind::Show:
        if (m_shown) {
            finishRequest();
            break;
        }
        m_shown = true;
        window->move(m_position);
        window->show();
        if (m_figure->animation(QStringLiteral("Show")))
            m_figure->play(QStringLiteral("Show"));
        else
            finishRequest();
        break;
    case RequestKind::Play:
        m_figure->play(m_current->text);
        break;
    case RequestKind::Speak:
        startSpeech(m_current->text);
        break;
    }
}

void CharacterPlayer::finishRequest()
{
    if (m_current) {
        const QString line = m_current->line;
        m_current.reset();
        Q_EMIT requestFinished(line);
    }
    scheduleAdvance();
}

void CharacterPlayer::startGlide(QPoint target)
{
    const double distance = std::hypot(double(target.x() - m_position.x()), double(target.y() - m_position.y()));
    m_glide = Glide{m_position, target, std::clamp<qint64>(qint64(distance * 1.5), 150, 1200)};
    m_clock.start();
    m_tickTimer.start();
}

void CharacterPlayer::glideTick()
{
    const double t = std::min(1.0, m_clock.elapsed() * m_context.timeScale / double(m_glide->durationMs));
    const double eased = t * t * (3 - 2 * t);
    m_figure->window()->move(m_glide->from + (m_glide->to - m_glide->from) * eased);
    m_balloon->followFigure();
    if (t < 1)
        return;
    m_tickTimer.stop();
    m_position = m_glide->to;
    m_glide.reset();
    finishRequest();
}

void CharacterPlayer::startSpeech(const QString &text)
{
    // Synthesis runs on the worker's thread; the speech begins when its sound is back.
    const SpeechText parsed = parseSpeechText(text);
    m_context.speech->synthesize(m_voice, parsed, this, [this, shown = parsed.shown](const Utterance &utterance) {
        beginSpeech(utterance, shown);
    });
}

void CharacterPlayer::beginSpeech(const Utterance &utterance, const QString &shownText)
{
    // Sped-up time (tests) would garble the sound, so it is heard in real time only.
    const bool followsSound = m_context.audio->start(m_id, utterance, m_context.timeScale == 1);
    m_speech = std::make_unique<Speech>(Speech{SpeechTimeline(utterance, shownText), followsSound});
    m_balloon->beginSpeech(m_speech->timeline.shownWords(), m_shown);
    m_clock.start();
    speechTick();
    if (m_speech)
        m_tickTimer.start();
}

void CharacterPlayer::speechTick()
{
    qint64 at = qint64(m_clock.elapsed() * m_context.timeScale);
    if (const qint64 played = m_speech->followsSound ? m_context.audio->playedMs() : -1; played >= 0)
        at = std::max(played, at - kAudioSlackMs);
    const SpeechTimeline &timeline = m_speech->timeline;
    if (const std::optional<QString> shown = m_balloon->showWords(timeline.wordsShownAt(at)))
        Q_EMIT balloonTextChanged(*shown);
    m_figure->setMouthOpen(timeline.mouthOpenAt(at));
    if (!timeline.isDoneAt(at))
        return;
    m_tickTimer.stop();
    m_speech.reset();
    m_balloon->endSpeech(int(kBalloonHideMs / m_context.timeScale));
    finishRequest();
}

} // namespace Platform
