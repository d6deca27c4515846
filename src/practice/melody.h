// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include "course/pitchcomparison.h"
#include "course/syllabletiming.h"

namespace Platform {
struct RecordedSound;
struct Utterance;
} // namespace Platform

namespace Practice {

/// The genie's melody of a phrase: its pitch, its syllables on the time line and how long
/// it lasts.
struct GenieMelody {
    Course::PitchContour contour;
    QList<Course::PitchPoint> curve;
    QList<Course::TimedSyllable> syllables;
    double durationMs = 0;
};

/// The melody of the genie's \a speech of \a markedText (the phrase with the stress marks of
/// the stress source): its pitch, and the syllables placed by the voice's word starts,
/// the last one ending where the voice does.
GenieMelody genieMelody(const Platform::Utterance &speech, const QString &markedText);

/// The pitch of \a sound; unvoiced throughout when the sound module is missing (as is the
/// genie's melody then).
Course::PitchContour pitchOf(const Platform::RecordedSound &sound);

} // namespace Practice
