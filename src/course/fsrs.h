// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <array>

namespace Course::Fsrs {

/// The memory model that schedules practice: FSRS-5, version 5 of the Free Spaced
/// Repetition Scheduler published by the open-spaced-repetition project, with its default
/// parameters and its short-term (same-day) stability formula. A phrase's memory is its
/// stability S (the days after which the chance of recall has fallen to 90 %) and its
/// difficulty D (1 to 10).
///
/// Times are whole days: the learner's calendar days between two reviews. Learning steps
/// within a day and interval fuzz are not used; every answered phrase is simply due again
/// after its interval.

/// The learner's four grades, numbered as the model numbers them.
enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

/// The 19 default parameters w0 … w18 of FSRS-5.
inline constexpr std::array<double, 19> kDefaultWeights = {
    0.40255, 1.18385, 3.173, 15.69105, 7.1949, 0.5345, 1.4604, 0.0046,  1.54575, 0.1192,
    1.01925, 1.9395,  0.11,  0.29605,  2.2698, 0.2315, 2.9898, 0.51655, 0.6621,
};
/// The forgetting curve's power and its factor, chosen so that R(S, S) = 0.9.
inline constexpr double kDecay = -0.5;
inline constexpr double kFactor = 19.0 / 81.0;
/// The chance of recall at which a phrase comes due.
inline constexpr double kDesiredRetention = 0.9;
/// Intervals run from one day to a hundred years.
inline constexpr int kMinimumInterval = 1;
inline constexpr int kMaximumInterval = 36500;

struct MemoryState {
    double stability = 0;
    double difficulty = 0;
};

/// The chance of recall \a elapsedDays after the last review, for \a stability:
/// R(t, S) = (1 + FACTOR · t / S) ^ DECAY.
double retrievability(double elapsedDays, double stability);

/// The memory after a phrase's first answer: S0(G) = w[G−1], D0(G) = w4 − e^(w5·(G−1)) + 1,
/// the difficulty kept within 1 to 10.
MemoryState firstReview(Grade grade);

/// The memory after an answer \a elapsedDays after the previous one. On the same day
/// (0 days) the short-term formula S·e^(w17·(G−3+w18)) applies; later, the recall formula
/// for Hard, Good and Easy and the forgetting formula for Again, each at the chance of
/// recall the phrase had. Stability is computed from the difficulty before the answer; the
/// difficulty moves by −w6·(G−3), damped towards 10, and reverts by w7 to D0(Easy).
MemoryState nextReview(MemoryState before, double elapsedDays, Grade grade);

/// The interval in whole days after which the chance of recall falls to \a retention:
/// S / FACTOR · (r^(1/DECAY) − 1), rounded, from kMinimumInterval to kMaximumInterval.
int intervalDays(double stability, double retention = kDesiredRetention);

} // namespace Course::Fsrs
