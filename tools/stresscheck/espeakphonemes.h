// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <cstdio>

#include <QList>
#include <QString>
#include <QStringList>

namespace StressCheck {

/// What espeak-ng's Russian voice says, as its phoneme mnemonics ("Vstan'ov;it;is;"): the
/// stress mark "'" stands before the vowel it stresses.
///
/// The text goes through a real synthesis with "[[…]]" read as phonemes, exactly as the
/// course's voice passes it, and the phonemes are taken from the synthesiser's trace.
/// libespeak-ng keeps one state per process: make one object per program.
class EspeakPhonemes final {
public:
    EspeakPhonemes() = default;
    ~EspeakPhonemes();
    EspeakPhonemes(const EspeakPhonemes &) = delete;
    EspeakPhonemes &operator=(const EspeakPhonemes &) = delete;

    /// Starts the synthesiser with the voice "ru". False, with \a error set, when it cannot.
    bool start(QString *error);
    /// The phoneme trace of \a text, one clause per line; empty before start().
    QString phonemes(const QString &text);

private:
    FILE *m_trace = nullptr;
    char *m_buffer = nullptr;
    size_t m_size = 0;
};

/// A vowel of a phoneme word.
struct PhonemeVowel {
    QString phoneme;
    /// Carries the primary stress ("'").
    bool stressed = false;
    /// Carries a secondary stress (","), as a word often does inside a sentence.
    bool secondary = false;
};

/// The words of a phoneme trace in order: pauses ("_", "_:", "_!") and stretches in another
/// language ("(en)…(ru)") left out.
QStringList traceWords(const QString &trace);

/// The vowels of one phoneme word, in order. The epenthetic "@-" and the non-syllabic "I^"
/// are not vowels.
QList<PhonemeVowel> phonemeVowels(QStringView word);

} // namespace StressCheck
