// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "course/fsrs.h"

#include <algorithm>
#include <cmath>

namespace Course::Fsrs {

namespace {

const auto &w = kDefaultWeights;

// The model's lower bounds keep a stability from reaching zero, where the forgetting curve
// has no meaning.
constexpr double kMinimumStability = 0.01;
constexpr double kMinimumInitialStability = 0.1;

double number(Grade grade)
{
    return double(int(grade));
}

double clampDifficulty(double difficulty)
{
    return std::clamp(difficulty, 1.0, 10.0);
}

double initialDifficulty(Grade grade)
{
    return w[4] - std::exp(w[5] * (number(grade) - 1)) + 1;
}

double nextDifficulty(double difficulty, Grade grade)
{
    const double delta = -w[6] * (number(grade) - 3);
    const double damped = difficulty + delta * (10 - difficulty) / 9;
    return clampDifficulty(w[7] * clampDifficulty(initialDifficulty(Grade::Easy)) + (1 - w[7]) * damped);
}

double recallStability(double difficulty, double stability, double recall, Grade grade)
{
    const double hardPenalty = grade == Grade::Hard ? w[15] : 1;
    const double easyBonus = grade == Grade::Easy ? w[16] : 1;
    return stability
        * (1
           + std::exp(w[8]) * (11 - difficulty) * std::pow(stability, -w[9]) * (std::exp(w[10] * (1 - recall)) - 1)
               * hardPenalty * easyBonus);
}

double forgetStability(double difficulty, double stability, double recall)
{
    const double longTerm =
        w[11] * std::pow(difficulty, -w[12]) * (std::pow(stability + 1, w[13]) - 1) * std::exp(w[14] * (1 - recall));
    // A lapse never leaves a phrase more stable than a same-day Again would.
    const double shortTerm = stability / std::exp(w[17] * w[18]);
    return std::min(longTerm, shortTerm);
}

double shortTermStability(double stability, Grade grade)
{
    return stability * std::exp(w[17] * (number(grade) - 3 + w[18]));
}

} // namespace

double retrievability(double elapsedDays, double stability)
{
    if (stability <= 0)
        return 0;
    return std::pow(1 + kFactor * std::max(elapsedDays, 0.0) / stability, kDecay);
}

MemoryState firstReview(Grade grade)
{
    return {std::max(w[std::size_t(int(grade) - 1)], kMinimumInitialStability),
            clampDifficulty(initialDifficulty(grade))};
}

MemoryState nextReview(MemoryState before, double elapsedDays, Grade grade)
{
    double stability = 0;
    if (elapsedDays < 1) {
        stability = shortTermStability(before.stability, grade);
    } else {
        const double recall = retrievability(elapsedDays, before.stability);
        stability = grade == Grade::Again ? forgetStability(before.difficulty, before.stability, recall)
                                          : recallStability(before.difficulty, before.stability, recall, grade);
    }
    return {std::max(stability, kMinimumStability), nextDifficulty(before.difficulty, grade)};
}

int intervalDays(double stability, double retention)
{
    const double days = stability / kFactor * (std::pow(retention, 1 / kDecay) - 1);
    if (!std::isfinite(days))
        return kMaximumInterval;
    return int(std::clamp(std::round(days), double(kMinimumInterval), double(kMaximumInterval)));
}

} // namespace Course::Fsrs
