// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/characterplayer.h"

#include <cmath>

#include "platform/agent/characterballoon.h"
#include "platform/agent/characterfigure.h"
#include "platform/agent/characterspeaker.h"
#include "platform/agent/characterwindow.h"

namespace Platform {

namespace {

constexpr int kTickMs = 20;

} // namespace

CharacterPlayer::CharacterPlayer(const QString &characterId, CharacterDefinition definition,
                                 const PlaybackContext &context, QObject *parent)
    : QObject(parent)
    , m_id(characterId)
    , m_context(context)
    , m_figure(std::make_unique<CharacterFigure>(characterId, std::move(definition), context.timeScale))
    , m_balloon(std::make_unique<CharacterBalloon>(*m_figure->window()))
    , m_speaker(std::make_unique<CharacterSpeaker>(characterId, *m_figure, *m_balloon, context))
{
    m_glideTimer.setInterval(kTickMs);
    connect(&m_glideTimer, &QTimer::timeout, this, [this] {
        if (m_glide)
            glideTick();
    });
    connect(m_figure.get(), &CharacterFigure::animationFinished, this, &CharacterPlayer::finishRequest);
    connect(m_speaker.get(), &CharacterSpeaker::balloonTextChanged, this, &CharacterPlayer::balloonTextChanged);
    connect(m_speaker.get(), &CharacterSpeaker::finished, this, &CharacterPlayer::finishRequest);
}

CharacterPlayer::~CharacterPlayer() = default;

QString CharacterPlayer::voice() const
{
    return m_speaker->voice();
}

void CharacterPlayer::setVoice(const QString &voice)
{
    m_speaker->setVoice(voice);
}

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
        m_speaker->speak(m_current->text, m_shown);
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
    m_glideClock.start();
    m_glideTimer.start();
}

void CharacterPlayer::glideTick()
{
    const double t = std::min(1.0, m_glideClock.elapsed() * m_context.timeScale / double(m_glide->durationMs));
    const double eased = t * t * (3 - 2 * t);
    m_figure->window()->move(m_glide->from + (m_glide->to - m_glide->from) * eased);
    m_balloon->followFigure();
    if (t < 1)
        return;
    m_glideTimer.stop();
    m_position = m_glide->to;
    m_glide.reset();
    finishRequest();
}

} // namespace Platform
