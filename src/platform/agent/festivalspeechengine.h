// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <thread>

#include <QSet>
#include <QString>
#include <QStringList>

#include "platform/agent/pronunciationlexicon.h"
#include "platform/agent/speechengine.h"

namespace Platform {

/// Russian speech through Festival's library, in process, with its unit-selection voice
/// msu_ru_nsh_clunits (Debian's festvox-ru): recordings of a real speaker joined together,
/// so it sounds natural but has the speaker's own tempo and pitch.
///
/// Festival keeps one interpreter per process and is not thread-safe: only one engine per
/// process starts it (later ones stay unavailable), and the engine is created, used and
/// destroyed on one thread. Construction loads the voice, which takes seconds: create it on
/// a worker of its own (FestivalVoice).
///
/// Rate: the voice speaks at about 140 words per minute whatever Festival's duration
/// stretch says (units are played as recorded). Slower rates get pauses between words,
/// as eSpeak NG's slow rates do; faster ones get the tempo raised without changing the
/// pitch. Pitch: \pit= moves the voice's pitch from its own median (kOwnPitchHz) by at most
/// kLowestPitch and kHighestPitch times; the timbre moves with it, so the range is kept
/// narrow enough for the voice to stay natural, and a request beyond it stops at its edge.
///
/// Stress: the lexicon file (pronunciation/ru-festival.tsv of the application folder,
/// generated from the stress source) gives each course word its stressed syllable, and
/// whole texts whose words depend on the sense their marked form. Words marked with U+0301
/// in a text are said with that stress.
class FestivalSpeechEngine final : public SpeechEngine {
public:
    /// Festival's name of the Russian voice.
    static constexpr const char *kVoiceName = "msu_ru_nsh_clunits";
    /// Every utterance comes at this rate, eSpeak NG's, so that both voices share one
    /// capture file and one sound output.
    static constexpr int kSampleRate = 22050;
    /// The voice's median pitch in hertz, measured on its output.
    static constexpr int kOwnPitchHz = 125;
    /// How far \pit= moves it, as factors of kOwnPitchHz.
    static constexpr double kLowestPitch = 0.9;
    static constexpr double kHighestPitch = 1.12;

    /// Starts Festival, loads \a voiceName and says one sentence to itself, so that the
    /// first real one comes quickly (blocks for seconds). \a lexiconPath: the
    /// stress lexicon; empty or missing leaves the voice's own stress.
    explicit FestivalSpeechEngine(const QString &lexiconPath = {},
                                  const QString &voiceName = QString::fromLatin1(kVoiceName));
    ~FestivalSpeechEngine() override;
    FestivalSpeechEngine(const FestivalSpeechEngine &) = delete;
    FestivalSpeechEngine &operator=(const FestivalSpeechEngine &) = delete;

    /// True when the voice is loaded and speaks.
    bool isAvailable() const { return m_available; }
    /// Why it is not available, for the trace and the log; empty when it is.
    QString problem() const { return m_problem; }

    /// True for "ru" when the voice is loaded.
    bool hasVoice(const QString &voice) override;
    Utterance synthesize(const QString &voice, const SpeechText &text) override;
    /// The first phrase (at the text's first phrase mark, or its first few words when that
    /// is far) is made and handed over alone, the rest after it in one piece.
    void synthesizeInParts(const QString &voice, const SpeechText &text,
                           const std::function<void(const UtterancePart &)> &deliver) override;

    /// One pass at the voice's own tempo and pitch, with no pauses added (benchmarks).
    Utterance synthesizeRaw(const QString &text);

    /// \a words (prepared for Festival) as the pieces synthesizeInParts() makes: the first
    /// phrase and the rest, or all of them in one.
    static QList<QStringList> splitAtFirstPhrase(const QStringList &words);

    /// The words of \a text as the voice says them, in lower case, each with U+0301 after
    /// every vowel it stresses (numbers come out as the words spoken). Nothing when
    /// unavailable.
    QStringList stressedWords(const QString &text);

private:
    /// The words of the text as Festival is handed them.
    QStringList prepare(const QString &spoken);
    /// What Festival says, at the voice's own sample rate, with the word starts.
    struct Pass {
        QByteArray pcm;
        int sampleRate = kSampleRate;
        QList<qint64> wordStartsMs;
    };
    Pass speak(const QString &text);
    Pass speakPrepared(const QStringList &words);
    /// \a pass at kSampleRate, at the rate and pitch of \a text; \a followed when more
    /// of the speech comes after it.
    static Utterance shaped(const Pass &pass, const SpeechText &text, bool followed = false);
    /// Cuts the silence at the \a start and \a end of \a pass where it meets another piece,
    /// leaving \a pauseMs after its sound.
    static void trimJoin(Pass &pass, bool start, bool end, int pauseMs);
    /// \a pass at kSampleRate, at its own tempo and pitch.
    static Utterance converted(const Pass &pass);
    /// Lexicon entries for words that carry their stress in the text, added once each.
    void addMarkedWord(const QString &marked);
    void loadLexicon(const QString &path);
    bool evaluate(const QString &expression);
    bool onOwnThread() const { return std::this_thread::get_id() == m_thread; }

    std::thread::id m_thread;
    bool m_available = false;
    bool m_owner = false;
    QString m_problem;
    /// Texts whose words depend on the sense, with those words marked.
    PronunciationLexicon m_texts;
    QSet<QString> m_markedWords;
};

} // namespace Platform
