// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QSet>
#include <QString>

#include "platform/agent/pronunciationlexicon.h"
#include "platform/agent/speechengine.h"

namespace Platform {

/// Speech through libespeak-ng, synthesised into memory (no sound output of its own).
///
/// The learner's rate is met on each utterance: the synthesiser's rate setting comes from a
/// measured table, the result is measured, synthesised once more at a corrected setting if
/// it came out too slow, and brought down to the rate with pauses between words if it is
/// too fast. Slow rates therefore sound like the normal voice with longer gaps.
///
/// libespeak-ng keeps one state per process; it is set up on first use and reused by every
/// engine object of the process, so \a dataPath only counts for the first one.
class EspeakSpeechEngine final : public SpeechEngine {
public:
    /// \a dataPath: the espeak-ng-data folder; empty uses ESPEAK_DATA_PATH or the default.
    explicit EspeakSpeechEngine(const QString &dataPath = {});

    /// False when the synthesiser could not start (no data files): then no voice exists.
    bool isAvailable() const { return m_sampleRate > 0; }
    int sampleRate() const { return m_sampleRate; }

    bool hasVoice(const QString &voice) override;
    Utterance synthesize(const QString &voice, const SpeechText &text) override;

    /// One pass of the synthesiser at its own \a rate and \a pitch settings, with no
    /// pauses added (benchmarks compare against this).
    Utterance synthesizeRaw(const QString &voice, const QString &text, int rate, int pitch);

    /// Corrections applied to Russian text before it is spoken.
    void setRussianLexicon(PronunciationLexicon lexicon) { m_russianLexicon = std::move(lexicon); }

private:
    bool selectVoice(const QString &voice);

    int m_sampleRate = 0;
    QString m_currentVoice;
    QSet<QString> m_missingVoices;
    PronunciationLexicon m_russianLexicon;
};

} // namespace Platform
