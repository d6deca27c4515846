// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/characterfigure.h"

#include "platform/agent/characterwindow.h"

namespace Platform {

namespace {

// Every few idle loops the figure blinks instead of just breathing.
constexpr int kBlinkEvery = 3;

} // namespace

CharacterFigure::CharacterFigure(const QString &characterId, CharacterDefinition definition, const double &timeScale,
                                 QObject *parent)
    : QObject(parent)
    , m_definition(std::move(definition))
    , m_renderer(std::make_unique<CharacterRenderer>(m_definition))
    , m_window(std::make_unique<CharacterWindow>())
    , m_timeScale(timeScale)
{
    m_window->setWindowTitle(characterId);
    m_window->setAccessibleName(characterId);
    draw(nullptr, false);
    m_frameTimer.setSingleShot(true);
    connect(&m_frameTimer, &QTimer::timeout, this, [this] { showFrame(m_frameIndex + 1); });
}

CharacterFigure::~CharacterFigure() = default;

void CharacterFigure::play(const QString &name)
{
    run(name, false);
}

void CharacterFigure::startIdle()
{
    ++m_idleLoops;
    const QString name = m_idleLoops % kBlinkEvery == 0 ? QStringLiteral("Blink") : QStringLiteral("Idle");
    if (animation(name))
        run(name, true);
}

void CharacterFigure::stopIdle()
{
    if (!m_idle)
        return;
    m_frameTimer.stop();
    m_idle = false;
    draw(nullptr, false);
}

void CharacterFigure::setMouthOpen(bool open)
{
    if (open != m_mouthOpen)
        draw(nullptr, open);
}

void CharacterFigure::run(const QString &name, bool idle)
{
    m_animation = animation(name);
    m_idle = idle;
    showFrame(0);
}

void CharacterFigure::showFrame(int frameIndex)
{
    if (!m_animation || frameIndex >= m_animation->frames.size()) {
        draw(nullptr, false);
        if (m_idle) {
            startIdle();
        } else {
            Q_EMIT animationFinished();
        }
        return;
    }
    m_frameIndex = frameIndex;
    const CharacterFrame &frame = m_animation->frames.at(frameIndex);
    draw(&frame, false);
    m_frameTimer.start(std::max(1, int(frame.durationMs / m_timeScale)));
}

void CharacterFigure::draw(const CharacterFrame *frame, bool mouthOpen)
{
    // Drawn at the pixel density of the window's screen, so that the figure stays sharp when
    // the desktop is scaled.
    const qreal ratio = m_window->devicePixelRatioF();
    QImage image = m_renderer->render(frame, mouthOpen, ratio);
    image.setDevicePixelRatio(ratio);
    m_window->setFrame(image);
    m_mouthOpen = mouthOpen;
}

} // namespace Platform
