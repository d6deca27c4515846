// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QByteArray>
#include <QList>

namespace Platform {

/// The fundamental frequency of a voice over time: one value every frameMs, the first
/// centred at startMs, in hertz; 0 where the sound is unvoiced, silent or noise.
struct PitchTrack {
    double startMs = 0;
    double frameMs = 10;
    QList<double> hz;
};

/// Follows the pitch of 16-bit mono speech with aubio's YIN estimator: 10 ms frames over a
/// window of at least two periods of 50 Hz, so voices from 50 to 600 Hz are followed (the
/// genie speaks at about 60–90 Hz). A frame counts as voiced when
/// the estimate is confident, the frame is louder than -50 dBFS and the frequency lies in
/// that range; voiced stretches shorter than 30 ms are dropped and the rest smoothed with a
/// running median, which removes single-frame octave slips. Pure computation, any thread.
PitchTrack trackPitch(const QByteArray &pcm, int sampleRate);

} // namespace Platform
