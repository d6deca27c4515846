// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>

#include <QByteArray>
#include <QList>
#include <QString>

#include "platform/agent/speechtext.h"

namespace Platform {

/// Synthesised speech: mono signed 16-bit samples and where each spoken word begins.
struct Utterance {
    /// Little-endian 16-bit mono samples at sampleRate; empty when nothing can be heard.
    QByteArray pcm;
    int sampleRate = 22050;
    /// How long the speech lasts. Without audio this is an estimate from the rate, so a
    /// silent service keeps the same pace.
    qint64 durationMs = 0;
    /// Start of each spoken word in milliseconds from the beginning, in order.
    QList<qint64> wordStartsMs;
};

/// A piece of a speech handed over before the rest is made, so that its sound can start
/// early: the piece's own sound and word starts (from the piece's beginning), how many words
/// the whole speech says, and whether it is the last piece.
struct UtterancePart {
    Utterance utterance;
    int wordsInSpeech = 0;
    bool last = true;
};

/// \a whole followed by \a part: the samples joined, the part's word starts moved by the
/// length of what came before.
void appendUtterance(Utterance &whole, const Utterance &part);

/// Turns text into speech. An engine is made, used and destroyed on one thread: the
/// SpeechWorker that owns it (see speechworker.h).
class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;

    /// True when \a voice ("ru", "en") can be loaded.
    virtual bool hasVoice(const QString &voice) = 0;

    /// Speech of \a text with \a voice at its rate and pitch. Never fails: a voice that
    /// cannot speak gives an utterance without audio but with its duration and word
    /// starts estimated from the rate.
    virtual Utterance synthesize(const QString &voice, const SpeechText &text) = 0;

    /// The same speech handed to \a deliver in pieces as they are made, the first as soon
    /// as it can be heard; the pieces joined give the whole speech. By default in one piece.
    virtual void synthesizeInParts(const QString &voice, const SpeechText &text,
                                   const std::function<void(const UtterancePart &)> &deliver)
    {
        Utterance whole = synthesize(voice, text);
        const int words = int(whole.wordStartsMs.size());
        deliver({std::move(whole), words, true});
    }
};

/// A speech engine with no voices: the queue keeps its pace and the balloon still shows
/// the text, but nothing is heard. Used when the synthesiser cannot start.
class NullSpeechEngine final : public SpeechEngine {
public:
    bool hasVoice(const QString &) override { return false; }
    Utterance synthesize(const QString &voice, const SpeechText &text) override;
};

/// The rate used when a text carries no (or an empty) \spd=\ tag, in words per minute.
inline constexpr int kDefaultWordsPerMinute = 100;

/// An utterance without audio whose words follow each other at the text's rate.
Utterance silentUtterance(const SpeechText &text, int sampleRate = 22050);

} // namespace Platform
