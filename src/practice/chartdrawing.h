// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace Practice {

struct DailyFigures;

/// What a chart shows besides its figures: the title (HTML), the names of the bars and of
/// the line, and its fonts.
struct ChartTexts {
    QString title;
    QString bars;
    QString line;
    QFont titleFont;
    QFont legendFont;
    QFont labelFont;
};

/// Draws the progress window's charts with Qt Charts. The course program takes it from its
/// charts module (plugins/charts.so beside the program), loaded when the progress window is
/// first made, so that Qt Charts and its OpenGL libraries stay out of the start-up; tests and
/// other programs that link veskora_practice_charts hand in qtChartDrawing().
class ChartDrawing {
public:
    /// An empty chart view named \a name in \a parent.
    virtual QWidget *createView(QWidget *parent, const QString &name) const = 0;
    /// Shows the answers per day as bars and the share answered right (per cent, days
    /// without answers left out) as a line on its own axis.
    virtual void showAnswers(QWidget &view, const DailyFigures &figures, const ChartTexts &texts) const = 0;
    /// Shows the items falling due per day as bars.
    virtual void showForecast(QWidget &view, const DailyFigures &figures, const ChartTexts &texts) const = 0;

protected:
    ~ChartDrawing() = default;
};

/// The drawing the progress window uses: the one handed to useChartDrawing(), or else the
/// charts module beside the program, loaded at the first call; null (and a warning) when it
/// cannot be loaded, and the window then shows its figures without charts.
const ChartDrawing *chartDrawing();
/// Makes \a drawing the one chartDrawing() returns (null: the module again).
void useChartDrawing(const ChartDrawing *drawing);

/// The drawing itself, in veskora_practice_charts; its module exports it as
/// "veskoraChartDrawing".
const ChartDrawing &qtChartDrawing();

} // namespace Practice
