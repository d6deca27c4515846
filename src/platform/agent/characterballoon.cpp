// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/characterballoon.h"

#include "platform/agent/characterwindow.h"

namespace Platform {

namespace {

constexpr quint32 kBalloonOn = 0x1;
constexpr quint32 kAutoHide = 0x4;

} // namespace

CharacterBalloon::CharacterBalloon(const QWidget &figure)
    : m_figure(figure)
    , m_window(std::make_unique<BalloonWindow>())
{
    m_font.setPointSize(12);
    m_hideTimer.setSingleShot(true);
    QObject::connect(&m_hideTimer, &QTimer::timeout, m_window.get(), &QWidget::hide);
    applyLook();
}

CharacterBalloon::~CharacterBalloon() = default;

void CharacterBalloon::setStyle(quint32 style)
{
    m_style = style;
    applyLook();
}

void CharacterBalloon::setFontSize(int points)
{
    m_font.setPointSize(points);
    applyLook();
}

void CharacterBalloon::setFontFamily(const QString &family)
{
    m_font.setFamily(family);
    applyLook();
}

void CharacterBalloon::setAllowed(bool allowed)
{
    m_allowed = allowed;
    if (!allowed)
        m_window->hide();
}

void CharacterBalloon::beginSpeech(const QStringList &words, bool figureShown)
{
    m_words = words;
    m_wordsShown = -1;
    m_hideTimer.stop();
    if (m_allowed && (m_style & kBalloonOn) && figureShown && !words.isEmpty()) {
        m_window->setWords({});
        m_window->placeBeside(m_figure.geometry());
        m_window->show();
    } else {
        m_window->hide();
    }
}

std::optional<QString> CharacterBalloon::showWords(int count)
{
    if (count == m_wordsShown)
        return std::nullopt;
    m_wordsShown = count;
    const QStringList words = m_words.mid(0, count);
    if (m_window->isVisible()) {
        m_window->setWords(words);
        m_window->placeBeside(m_figure.geometry());
    }
    const QString text = words.join(u' ');
    m_window->setAccessibleDescription(text);
    return text;
}

void CharacterBalloon::followFigure()
{
    if (m_window->isVisible())
        m_window->placeBeside(m_figure.geometry());
}

void CharacterBalloon::endSpeech(int hideAfterMs)
{
    if (m_style & kAutoHide)
        m_hideTimer.start(std::max(1, hideAfterMs));
}

void CharacterBalloon::applyLook()
{
    const int widthUnits = int((m_style >> 24) & 0xFF);
    const int lines = int((m_style >> 16) & 0xFF);
    m_window->setFont(m_font);
    m_window->setLayoutLimits(widthUnits ? widthUnits * 8 : 32, lines ? lines : 2);
    if (m_window->isVisible()) {
        m_window->setWords(m_words.mid(0, std::max(0, m_wordsShown)));
        m_window->placeBeside(m_figure.geometry());
    }
}

} // namespace Platform
