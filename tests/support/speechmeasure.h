// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QByteArray>

namespace TestSupport {

/// Median fundamental frequency of the voiced 40 ms stretches of 16-bit mono speech, by
/// autocorrelation between 50 and 300 Hz; 0 when nothing is voiced.
double medianPitch(const QByteArray &pcm, int sampleRate);

/// A sine tone as 16-bit mono samples.
QByteArray sine(double hertz, double seconds, int sampleRate, qint16 amplitude);

/// Words per minute as a listener counts them: \a words over the audible span of \a pcm.
double heardWordsPerMinute(const QByteArray &pcm, int sampleRate, int words);

} // namespace TestSupport
