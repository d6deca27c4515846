// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QByteArray>

namespace Platform::SpeechStretch {

/// 16-bit mono \a pcm at \a sampleRate played \a factor times faster (above 1: shorter) or
/// slower (below 1: longer) without changing its pitch: overlapping stretches of the sound
/// are laid end to end where their waves line up best (waveform-similarity overlap-add).
/// The result lasts the input's length divided by \a factor, within a few milliseconds.
/// Factors outside 0.25 to 4 are clamped; 1 returns \a pcm as it is.
QByteArray changeTempo(const QByteArray &pcm, double factor, int sampleRate);

/// \a pcm with its pitch \a ratio times higher and the same length: the tempo is changed
/// by 1 / \a ratio and the result resampled back. Like any change of playback speed it
/// moves the voice's timbre with the pitch, so it is meant for small shifts; ratios
/// outside 0.5 to 2 are clamped.
QByteArray shiftPitch(const QByteArray &pcm, double ratio, int sampleRate);

/// Both at once, and a change of sample rate: 16-bit mono \a pcm at \a sampleRate played
/// \a tempo times faster with its pitch \a pitch times higher, returned at \a outputRate.
/// One overlap-add pass (skipped when tempo and pitch are equal) and one resampling
/// (libsoxr; skipped when neither pitch nor rate changes), so a voice's own sound is
/// changed as little and as quickly as possible. The limits are those of changeTempo() and
/// shiftPitch(). Empty when \a pcm is or a rate is not positive.
QByteArray reshape(const QByteArray &pcm, int sampleRate, int outputRate, double tempo, double pitch);

} // namespace Platform::SpeechStretch
