// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <algorithm>

#include <QElapsedTimer>
#include <QList>

namespace Bench {

/// The median of \a values (the mean of the middle two for an even count); 0 for none.
inline double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    if (values.isEmpty())
        return 0;
    const qsizetype half = values.size() / 2;
    return values.size() % 2 ? values.at(half) : (values.at(half - 1) + values.at(half)) / 2;
}

/// The time \a timer has run, in milliseconds with the fraction.
inline double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace Bench
