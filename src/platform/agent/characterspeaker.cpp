// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/characterspeaker.h"

#include "platform/agent/characterballoon.h"
#include "platform/agent/characterfigure.h"
#include "platform/agent/characterplayer.h"
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

struct CharacterSpeaker::Speech {
    SpeechTimeline timeline;
    /// The device plays the sound, so words and mouth follow what it has played.
    bool followsSound;
    /// What has come of it so far, and the words it says in all.
    Utterance heard;
    int wordsInSpeech;
};

CharacterSpeaker::CharacterSpeaker(const QString &characterId, CharacterFigure &figure, CharacterBalloon &balloon,
                                   const PlaybackContext &context, QObject *parent)
    : QObject(parent)
    , m_id(characterId)
    , m_figure(figure)
    , m_balloon(balloon)
    , m_context(context)
{
    m_tickTimer.setInterval(kTickMs);
    connect(&m_tickTimer, &QTimer::timeout, this, &CharacterSpeaker::tick);
}

CharacterSpeaker::~CharacterSpeaker() = default;

void CharacterSpeaker::speak(const QString &text, bool figureShown)
{
    const SpeechText parsed = parseSpeechText(text);
    m_context.speech->synthesizeInParts(
        m_voice, parsed, this,
        [this, shown = parsed.shown, figureShown](const UtterancePart &part) { receive(part, shown, figureShown); });
}

void CharacterSpeaker::receive(const UtterancePart &part, const QString &shownText, bool figureShown)
{
    if (!m_speech) {
        begin(part, shownText, figureShown);
        return;
    }
    Speech &speech = *m_speech;
    (void)m_context.audio->append(part.utterance, m_context.timeScale == 1);
    appendUtterance(speech.heard, part.utterance);
    speech.timeline = part.last ? SpeechTimeline(speech.heard, shownText)
                                : SpeechTimeline(speech.heard, shownText, speech.wordsInSpeech);
}

void CharacterSpeaker::begin(const UtterancePart &part, const QString &shownText, bool figureShown)
{
    // Sped-up time (tests) would garble the sound, so it is heard in real time only.
    const bool followsSound = m_context.audio->start(m_id, part.utterance, m_context.timeScale == 1);
    SpeechTimeline timeline = part.last ? SpeechTimeline(part.utterance, shownText)
                                        : SpeechTimeline(part.utterance, shownText, part.wordsInSpeech);
    m_speech = std::make_unique<Speech>(Speech{std::move(timeline), followsSound, part.utterance, part.wordsInSpeech});
    m_balloon.beginSpeech(m_speech->timeline.shownWords(), figureShown);
    m_clock.start();
    tick();
    if (m_speech)
        m_tickTimer.start();
}

void CharacterSpeaker::tick()
{
    if (!m_speech)
        return;
    qint64 at = qint64(m_clock.elapsed() * m_context.timeScale);
    if (const qint64 played = m_speech->followsSound ? m_context.audio->playedMs() : -1; played >= 0)
        at = std::max(played, at - kAudioSlackMs);
    const SpeechTimeline &timeline = m_speech->timeline;
    if (const std::optional<QString> shown = m_balloon.showWords(timeline.wordsShownAt(at)))
        Q_EMIT balloonTextChanged(*shown);
    m_figure.setMouthOpen(timeline.mouthOpenAt(at));
    if (!timeline.isDoneAt(at))
        return;
    m_tickTimer.stop();
    m_speech.reset();
    m_balloon.endSpeech(int(kBalloonHideMs / m_context.timeScale));
    Q_EMIT finished();
}

} // namespace Platform
