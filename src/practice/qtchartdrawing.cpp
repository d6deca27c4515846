// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <algorithm>

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QValueAxis>

#include "practice/chartdrawing.h"
#include "practice/progresscharts.h"

namespace Practice {

namespace {

const QColor kAnswerColour(128, 128, 255);
const QColor kShareColour(0, 160, 0);
const QColor kDueColour(255, 128, 0);

QChart *newChart(const ChartTexts &texts)
{
    auto *chart = new QChart;
    chart->setTitle(texts.title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundBrush(Qt::white);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(0, 0, 0, 0));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setTitleFont(texts.titleFont);
    chart->legend()->setFont(texts.legendFont);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

// The days under the bars. A label under every bar would not fit: the chart's title names
// the first and the last day instead.
QBarCategoryAxis *dayAxis(const DailyFigures &figures, qsizetype count)
{
    auto *axis = new QBarCategoryAxis;
    QStringList labels;
    for (qsizetype i = 0; i < count; ++i)
        labels.append(figures.first.addDays(i).toString(Qt::ISODate));
    axis->append(labels);
    axis->setLabelsVisible(false);
    axis->setGridLineVisible(false);
    return axis;
}

QValueAxis *countAxis(const QList<int> &values, const QFont &font)
{
    auto *axis = new QValueAxis;
    const int highest = values.isEmpty() ? 0 : *std::max_element(values.cbegin(), values.cend());
    axis->setRange(0, std::max(highest, 4));
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setLabelsFont(font);
    axis->applyNiceNumbers();
    return axis;
}

/// Puts \a chart into \a view, whose old chart goes.
void replaceChart(QWidget &view, QChart *chart)
{
    auto *chartView = qobject_cast<QChartView *>(&view);
    if (!chartView) {
        delete chart;
        return;
    }
    // The view owns its chart; setting a new one deletes the old.
    QChart *shown = chartView->chart();
    chartView->setChart(chart);
    delete shown;
}

class QtChartDrawing final : public ChartDrawing {
public:
    QWidget *createView(QWidget *parent, const QString &name) const override
    {
        auto *view = new QChartView(parent);
        view->setObjectName(name);
        view->setRenderHint(QPainter::Antialiasing);
        view->setFocusPolicy(Qt::StrongFocus);
        return view;
    }

    void showAnswers(QWidget &view, const DailyFigures &figures, const ChartTexts &texts) const override
    {
        QChart *chart = newChart(texts);
        auto *answers = new QBarSet(texts.bars);
        answers->setColor(kAnswerColour);
        answers->setBorderColor(kAnswerColour.darker());
        for (const int value : figures.answers)
            answers->append(value);
        auto *bars = new QBarSeries;
        bars->append(answers);
        auto *share = new QLineSeries;
        share->setName(texts.line);
        share->setColor(kShareColour);
        for (qsizetype i = 0; i < figures.rightShare.size(); ++i) {
            if (figures.rightShare.at(i) >= 0)
                share->append(qreal(i), figures.rightShare.at(i));
        }
        chart->addSeries(bars);
        chart->addSeries(share);

        QBarCategoryAxis *days = dayAxis(figures, figures.answers.size());
        chart->addAxis(days, Qt::AlignBottom);
        bars->attachAxis(days);
        QValueAxis *count = countAxis(figures.answers, texts.labelFont);
        chart->addAxis(count, Qt::AlignLeft);
        bars->attachAxis(count);
        // The line runs over the bars' positions 0 … n−1 on a hidden axis of its own.
        auto *positions = new QValueAxis;
        positions->setRange(-0.5, qreal(figures.answers.size()) - 0.5);
        positions->setVisible(false);
        chart->addAxis(positions, Qt::AlignTop);
        share->attachAxis(positions);
        auto *percent = new QValueAxis;
        percent->setRange(0, 100);
        percent->setLabelFormat(QStringLiteral("%d %%"));
        percent->setLabelsFont(texts.labelFont);
        percent->setTickCount(5);
        chart->addAxis(percent, Qt::AlignRight);
        share->attachAxis(percent);
        replaceChart(view, chart);
    }

    void showForecast(QWidget &view, const DailyFigures &figures, const ChartTexts &texts) const override
    {
        QChart *chart = newChart(texts);
        auto *due = new QBarSet(texts.bars);
        due->setColor(kDueColour);
        due->setBorderColor(kDueColour.darker());
        for (const int value : figures.due)
            due->append(value);
        auto *bars = new QBarSeries;
        bars->append(due);
        chart->addSeries(bars);
        QBarCategoryAxis *days = dayAxis(figures, figures.due.size());
        chart->addAxis(days, Qt::AlignBottom);
        bars->attachAxis(days);
        QValueAxis *count = countAxis(figures.due, texts.labelFont);
        chart->addAxis(count, Qt::AlignLeft);
        bars->attachAxis(count);
        // One series: the title says what the bars are.
        chart->legend()->hide();
        replaceChart(view, chart);
    }
};

} // namespace

const ChartDrawing &qtChartDrawing()
{
    static const QtChartDrawing drawing;
    return drawing;
}

} // namespace Practice
