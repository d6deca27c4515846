// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include "platform/progress/progressstore.h"

class QChart;

namespace Practice {

/// The figures behind the progress window's charts, one value per day from \c first on.
struct DailyFigures {
    QDate first;
    QList<int> answers;
    QList<int> right;
    /// The share answered right, 0 to 100; days without answers have none (−1).
    QList<int> rightShare;
    QList<int> due;
};

/// Spreads \a tallies over the days \a first to \a last (days without answers count 0).
DailyFigures answerFigures(const QList<Platform::ProgressDayTally> &tallies, QDate first, QDate last);
/// Spreads \a forecast over the days \a first to \a last.
DailyFigures dueFigures(const QList<Platform::ProgressDueDay> &forecast, QDate first, QDate last);

/// The chart of answers per day (bars) and the share answered right (a line on its own
/// axis, in per cent), titled in interface language \a language.
QChart *answersChart(const DailyFigures &figures, int language);
/// The chart of items falling due per day.
QChart *forecastChart(const DailyFigures &figures, int language);

/// The charts told in a sentence, for screen readers.
QString answersSummary(const DailyFigures &figures, int language);
QString forecastSummary(const DailyFigures &figures, int language);

} // namespace Practice
