// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <utility>

#include <QList>

namespace Course {

/// The pitch of a voice over time: one value every frameMs, the first centred at startMs,
/// in hertz; 0 (or less) where nothing is voiced.
struct PitchContour {
    double startMs = 0;
    double frameMs = 10;
    QList<double> hz;

    double timeOf(qsizetype frame) const { return startMs + frame * frameMs; }
    bool hasVoice() const;
    /// The time of the first and of the last voiced frame; {0, 0} without voice.
    std::pair<double, double> voicedSpanMs() const;
};

/// One voiced frame: when it sounds (milliseconds) and how high, in semitones above or below
/// the speaker's own middle pitch. \a run counts the voiced stretches, so a curve is drawn
/// unbroken within a run and broken between runs.
struct PitchPoint {
    double ms = 0;
    double semitones = 0;
    int run = 0;
};

/// The voiced frames of \a contour, in semitones relative to its median voiced frequency,
/// so a high and a low voice saying the same melody give the same curve.
QList<PitchPoint> voicedSemitones(const PitchContour &contour);

/// The genie's melody beside the learner's, matched in time.
struct PitchAlignment {
    /// The genie's voiced frames.
    QList<PitchPoint> genie;
    /// The learner's voiced frames, each moved to the moment of the genie's speech it
    /// matches, so both curves share the genie's time axis. In the learner's order.
    QList<PitchPoint> learner;
    /// For each of learner's frames, where it was in the recording (milliseconds).
    QList<double> learnerOwnMs;
    /// The mean distance between matched frames, in semitones; 0 without a match.
    double meanDifference = 0;

    bool isEmpty() const { return genie.isEmpty() || learner.isEmpty(); }
};

/// Matches the learner's melody to the genie's by dynamic time warping over the voiced
/// frames of both (the pauses of either are left out, so speaking faster, slower or with
/// other pauses does not matter). The cost of matching two frames is their difference in
/// semitones plus a small cost for straying from the same relative moment of the voiced
/// speech, so a flat stretch does not pull the match far off. Empty when either has no voice.
PitchAlignment alignPitch(const PitchContour &genie, const PitchContour &learner);

} // namespace Course
