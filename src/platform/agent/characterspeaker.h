// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace Platform {

class CharacterBalloon;
class CharacterFigure;
struct PlaybackContext;
struct Utterance;
struct UtterancePart;

/// Says one text at a time for a character: has it synthesised in the chosen voice, plays
/// its sound and, until the sound has been heard, shows its words in the balloon and opens
/// and closes the figure's mouth in time with it. The player starts each speech and goes
/// on when finished() arrives.
class CharacterSpeaker final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CharacterSpeaker)
public:
    /// \a figure, \a balloon and \a context must outlive the speaker.
    CharacterSpeaker(const QString &characterId, CharacterFigure &figure, CharacterBalloon &balloon,
                     const PlaybackContext &context, QObject *parent = nullptr);
    ~CharacterSpeaker() override;

    /// The voice ("ru" or "en") that later speech uses.
    QString voice() const { return m_voice; }
    void setVoice(const QString &voice) { m_voice = voice; }

    /// Starts saying \a text (a speech text with its rate and pitch tags); the balloon opens
    /// only beside a shown figure. Synthesis runs on the worker's thread, so the speech
    /// begins when its sound is back, from the event loop.
    void speak(const QString &text, bool figureShown);

Q_SIGNALS:
    void balloonTextChanged(const QString &text);
    /// The speech has been heard (or timed out) and the balloon told that it is over.
    void finished();

private:
    struct Speech;

    /// The first piece starts the speech; later ones follow it in sound, words and mouth.
    void receive(const UtterancePart &part, const QString &shownText, bool figureShown);
    void begin(const UtterancePart &part, const QString &shownText, bool figureShown);
    void tick();

    QString m_id;
    CharacterFigure &m_figure;
    CharacterBalloon &m_balloon;
    const PlaybackContext &m_context;
    QString m_voice = QStringLiteral("en");
    std::unique_ptr<Speech> m_speech;
    QTimer m_tickTimer;
    QElapsedTimer m_clock;
};

} // namespace Platform
