// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace Course {

/// One syllable of a spoken phrase and when the voice says it.
struct TimedSyllable {
    /// Its letters as written, without stress marks.
    QString text;
    qint64 startMs = 0;
    qint64 endMs = 0;
    /// The stressed syllable of its word.
    bool stressed = false;
    /// Which word of the phrase it belongs to, from 0.
    int word = 0;
};

/// \a word split into syllables, one vowel each, stress marks kept on their vowel. The
/// consonants between two vowels open the next syllable ("ма-ма", "се-стра"), except й, ь
/// and ъ, which close the one before, and л, м, н or р before another consonant, which
/// stays with the vowel before it ("кар-та", "силь-ный"). A word without a vowel is one
/// syllable.
QStringList splitSyllables(QStringView word);

/// The index of the stressed syllable of \a word: the one whose vowel carries a stress mark
/// (U+0301) or is ё; the only syllable of a word of one syllable, unless the word is a
/// preposition, conjunction or particle that leans on its neighbour ("в", "на", "не", "и");
/// -1 when nothing decides it.
int stressedSyllable(QStringView word);

/// The syllables of the Russian words of \a text (stress-marked where the stress source
/// decides) placed on the voice's time line: word i starts at \a wordStartsMs[i] and lasts
/// until the next word starts (the last until \a endMs), and its syllables share that span
/// in proportion to their letters. When the voice reported another number of words than
/// the text holds, all syllables share the span from the first word start (or 0) to \a endMs
/// the same way.
QList<TimedSyllable> placeSyllables(const QString &text, const QList<qint64> &wordStartsMs, qint64 endMs);

} // namespace Course
