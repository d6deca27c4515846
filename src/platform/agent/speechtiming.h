// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QByteArray>
#include <QList>

namespace Platform::SpeechTiming {

/// The synthesiser's own rate setting that makes its Russian voice come out near
/// \a wordsPerMinute as a listener counts words. The synthesiser's scale assumes longer
/// words than Russian has, so its minimum setting (80) already sounds like about 137 words
/// per minute; slower rates get this minimum and reach their pace through pauses between
/// words. From a table measured on real synthesis.
int synthRateFor(int wordsPerMinute);

/// The synthesiser's pitch setting (0 to 100) that puts its voice's median fundamental near
/// \a hertz. From a table measured on the Russian voice; out-of-range values are clamped.
int synthPitchFor(int hertz);

/// The first and one-past-last sample louder than \a threshold in 16-bit mono \a pcm;
/// {0, 0} when all of it is quieter.
std::pair<qsizetype, qsizetype> audibleSpan(const QByteArray &pcm, int threshold = 300);

/// Inserts \a gapSamples of silence before every word but the first. Each pause goes into
/// the quietest few milliseconds near the word's start so that no sound is cut in two.
/// \a wordStarts (sample indexes, ascending) are moved along with their words.
QByteArray insertWordGaps(const QByteArray &pcm, QList<qsizetype> &wordStarts, qsizetype gapSamples, int sampleRate);

/// Slows speech down to \a wordsPerMinute with equal pauses between its words
/// (insertWordGaps), for voices that cannot speak that slowly themselves. \a audibleSamples:
/// how long its words sound (audibleSpan), \a wordStartsMs moved along with them. Speech
/// already at that rate or slower, or of one word, comes back as it is.
QByteArray padToRate(const QByteArray &pcm, QList<qint64> &wordStartsMs, qsizetype audibleSamples, int wordsPerMinute,
                     int sampleRate);

} // namespace Platform::SpeechTiming
