// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QList>
#include <QString>

namespace StressCheck {

/// Whether a voice that stresses the vowels \a voiced (indices over all vowels of the word)
/// and gives the vowels \a secondary a secondary stress says the stressed form \a form as
/// marked: every marked vowel is stressed, if only secondarily (a verb before its object
/// often is: "могу́ дозвони́ться"), and no other vowel of a part of two or more syllables
/// has the main stress. An unmarked one-syllable part of a hyphenated word ("по" in
/// "по-ру́сски") may be stressed or not.
bool agrees(const QString &form, const QList<int> &voiced, const QList<int> &secondary = {});

/// \a word (lower case) with a stress mark on each vowel of \a vowels.
QString markVowels(const QString &word, const QList<int> &vowels);

/// One word of a spoken text, as the text marks it and as the voice says it.
struct WordStress {
    /// The word as the text marks it (lower case); unmarked when it needs no stress.
    QString expected;
    /// The word as written in the text handed to the voice (callers fill it in).
    QString written;
    /// The word with the stress the voice gives it; empty when the voice's words could not
    /// be matched to the text's.
    QString heard;
    /// The voice's phonemes of the word.
    QString phonemes;
    bool needsStress = false;
    bool agrees = false;
};

/// Matches the words of \a markedText (the text with the stress marks it should be spoken
/// with) to the words of espeak-ng's trace \a trace and tells for each word what the voice
/// stressed. A hyphenated word may come out as one phoneme word or as one per part; a word
/// without a vowel (a preposition, a letter's name) takes one phoneme word. When the two
/// cannot be matched, every word is returned with an empty "heard".
QList<WordStress> compareStress(const QString &markedText, const QString &trace);

} // namespace StressCheck
