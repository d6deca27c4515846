// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/melody.h"

#include <cmath>

#include "platform/agent/speechengine.h"
#include "platform/audio/soundmodule.h"

namespace Practice {

namespace {

Course::PitchContour contourOf(const QByteArray &pcm, int sampleRate)
{
    // Without the sound module there is no pitch: the contour is unvoiced throughout.
    const Platform::SoundModule *sound = Platform::soundModule();
    if (!sound)
        return {};
    const Platform::PitchTrack track = sound->trackPitch(pcm, sampleRate);
    return {track.startMs, track.frameMs, track.hz};
}

} // namespace

GenieMelody genieMelody(const Platform::Utterance &speech, const QString &markedText)
{
    GenieMelody melody;
    melody.contour = contourOf(speech.pcm, speech.sampleRate);
    melody.curve = Course::voicedSemitones(melody.contour);
    melody.durationMs = double(speech.durationMs);
    if (speech.sampleRate > 0 && !speech.pcm.isEmpty())
        melody.durationMs = speech.pcm.size() / 2 * 1000.0 / speech.sampleRate;
    // The last syllable ends with the voice, not with the silence after it.
    double endMs = melody.durationMs;
    if (melody.contour.hasVoice())
        endMs = std::min(endMs, melody.contour.voicedSpanMs().second + 60);
    melody.syllables = Course::placeSyllables(markedText, speech.wordStartsMs, qint64(std::lround(endMs)));
    return melody;
}

Course::PitchContour pitchOf(const Platform::RecordedSound &sound)
{
    return contourOf(sound.pcm, sound.sampleRate);
}

} // namespace Practice
