// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/pitchcomparison.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace Course {

namespace {

// Semitones that straying over the whole length of the phrase costs.
constexpr double kPlaceWeight = 6;
// Longer curves are thinned to this many frames for the match (10 s of voice at 10 ms).
constexpr qsizetype kMostFrames = 1000;

// Every step-th point, so the match stays within its memory and time.
QList<PitchPoint> thinned(const QList<PitchPoint> &points, qsizetype step)
{
    if (step <= 1)
        return points;
    QList<PitchPoint> out;
    for (qsizetype i = 0; i < points.size(); i += step)
        out << points.at(i);
    return out;
}

// Where each point lies between the first and the last voiced moment, 0 to 1: time, not
// frame count, so a pause in one voice does not shift the other's places.
QList<double> relativePlaces(const QList<PitchPoint> &points)
{
    const double first = points.first().ms;
    const double span = points.last().ms - first;
    QList<double> places;
    places.reserve(points.size());
    for (const PitchPoint &point : points)
        places << (span > 0 ? (point.ms - first) / span : 0.0);
    return places;
}

} // namespace

bool PitchContour::hasVoice() const
{
    return std::any_of(hz.cbegin(), hz.cend(), [](double value) { return value > 0; });
}

std::pair<double, double> PitchContour::voicedSpanMs() const
{
    const auto first = std::find_if(hz.cbegin(), hz.cend(), [](double value) { return value > 0; });
    if (first == hz.cend())
        return {0, 0};
    const auto last = std::find_if(hz.crbegin(), hz.crend(), [](double value) { return value > 0; });
    return {timeOf(first - hz.cbegin()), timeOf(hz.crend() - last - 1)};
}

QList<PitchPoint> voicedSemitones(const PitchContour &contour)
{
    QList<double> voiced;
    for (const double value : contour.hz) {
        if (value > 0)
            voiced << value;
    }
    if (voiced.isEmpty())
        return {};
    std::nth_element(voiced.begin(), voiced.begin() + voiced.size() / 2, voiced.end());
    const double middle = voiced.at(voiced.size() / 2);
    QList<PitchPoint> points;
    points.reserve(voiced.size());
    int run = -1;
    bool inRun = false;
    for (qsizetype i = 0; i < contour.hz.size(); ++i) {
        const double value = contour.hz.at(i);
        if (value <= 0) {
            inRun = false;
            continue;
        }
        if (!inRun)
            ++run;
        inRun = true;
        points << PitchPoint{contour.timeOf(i), 12 * std::log2(value / middle), run};
    }
    return points;
}

PitchAlignment alignPitch(const PitchContour &genieContour, const PitchContour &learnerContour)
{
    PitchAlignment alignment;
    const QList<PitchPoint> genieAll = voicedSemitones(genieContour);
    const QList<PitchPoint> learnerAll = voicedSemitones(learnerContour);
    if (genieAll.isEmpty() || learnerAll.isEmpty())
        return alignment;
    const qsizetype step = (std::max(genieAll.size(), learnerAll.size()) + kMostFrames - 1) / kMostFrames;
    const QList<PitchPoint> genie = thinned(genieAll, step);
    const QList<PitchPoint> learner = thinned(learnerAll, step);
    const qsizetype n = genie.size();
    const qsizetype m = learner.size();

    const QList<double> geniePlaces = relativePlaces(genie);
    const QList<double> learnerPlaces = relativePlaces(learner);
    const auto cost = [&](qsizetype i, qsizetype j) {
        return std::abs(genie.at(i).semitones - learner.at(j).semitones)
            + kPlaceWeight * std::abs(geniePlaces.at(i) - learnerPlaces.at(j));
    };
    // total[i][j]: the cheapest match of the first i+1 genie and j+1 learner frames.
    constexpr double kNone = std::numeric_limits<double>::infinity();
    std::vector<double> total(size_t(n * m), kNone);
    const auto at = [m](qsizetype i, qsizetype j) { return size_t(i * m + j); };
    for (qsizetype i = 0; i < n; ++i) {
        for (qsizetype j = 0; j < m; ++j) {
            double before = 0;
            if (i > 0 || j > 0) {
                before = kNone;
                if (i > 0)
                    before = std::min(before, total[at(i - 1, j)]);
                if (j > 0)
                    before = std::min(before, total[at(i, j - 1)]);
                if (i > 0 && j > 0)
                    before = std::min(before, total[at(i - 1, j - 1)]);
            }
            total[at(i, j)] = before + cost(i, j);
        }
    }

    // Walk back from the end; every learner frame collects the genie frames it matched.
    QList<double> genieMsSum(m, 0.0);
    QList<int> matches(m, 0);
    double differenceSum = 0;
    qsizetype steps = 0;
    qsizetype i = n - 1;
    qsizetype j = m - 1;
    while (true) {
        genieMsSum[j] += genie.at(i).ms;
        ++matches[j];
        differenceSum += std::abs(genie.at(i).semitones - learner.at(j).semitones);
        ++steps;
        if (i == 0 && j == 0)
            break;
        if (i == 0) {
            --j;
        } else if (j == 0) {
            --i;
        } else {
            const double diagonal = total[at(i - 1, j - 1)];
            const double up = total[at(i - 1, j)];
            const double left = total[at(i, j - 1)];
            if (diagonal <= up && diagonal <= left) {
                --i;
                --j;
            } else if (up <= left) {
                --i;
            } else {
                --j;
            }
        }
    }

    alignment.genie = genie;
    alignment.learner.reserve(m);
    for (qsizetype k = 0; k < m; ++k) {
        const PitchPoint &own = learner.at(k);
        alignment.learner << PitchPoint{genieMsSum.at(k) / matches.at(k), own.semitones, own.run};
        alignment.learnerOwnMs << own.ms;
    }
    alignment.meanDifference = differenceSum / double(steps);
    return alignment;
}

} // namespace Course
