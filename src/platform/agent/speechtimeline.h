// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QList>
#include <QStringList>

#include "platform/agent/speechengine.h"

namespace Platform {

/// What a speech shows at each moment of its playback: how many of the balloon's words are
/// visible and whether the mouth is open. Words appear as the spoken words begin (a \map=
/// shown form may have another number of words than its spoken form, so the share of
/// spoken words said decides); the mouth is open where the sound is loud.
class SpeechTimeline final {
public:
    SpeechTimeline(const Utterance &utterance, const QString &shownText);
    /// The beginning of a speech whose other pieces are still being made: it says
    /// \a wordsInSpeech words in all and is not over at the end of \a utterance.
    SpeechTimeline(const Utterance &utterance, const QString &shownText, int wordsInSpeech);

    qint64 durationMs() const { return m_durationMs; }
    /// All words the balloon shows once the speech is over.
    const QStringList &shownWords() const { return m_shownWords; }
    bool isDoneAt(qint64 ms) const { return m_complete && ms >= m_durationMs; }
    /// How many of shownWords() are visible \a ms after the start.
    int wordsShownAt(qint64 ms) const;
    bool mouthOpenAt(qint64 ms) const;

private:
    QList<qint64> m_wordStartsMs;
    qint64 m_durationMs;
    /// How many words the whole speech says.
    int m_wordsInSpeech;
    bool m_complete = true;
    QStringList m_shownWords;
    /// Mouth open or closed for each stretch of kMouthStepMs.
    QList<bool> m_mouthOpen;
};

} // namespace Platform
