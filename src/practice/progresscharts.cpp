// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/progresscharts.h"

#include <numeric>

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QValueAxis>

#include "course/languages.h"
#include "practice/practicelook.h"
#include "practice/practicetexts.h"

namespace Practice {

namespace {

const QColor kAnswerColour(128, 128, 255);
const QColor kShareColour(0, 160, 0);
const QColor kDueColour(255, 128, 0);

QLocale localeOf(int language)
{
    static constexpr QLocale::Language locales[] = {QLocale::English, QLocale::Swedish, QLocale::Finnish,
                                                    QLocale::German,  QLocale::French,  QLocale::Spanish};
    const int index = Course::Language::indexOf(language);
    return QLocale(locales[index < 0 ? 0 : index]);
}

QChart *newChart(const QString &title)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundBrush(Qt::white);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(0, 0, 0, 0));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setTitleFont(captionFont(9));
    chart->legend()->setFont(captionFont(8));
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

// The chart's title with the days it covers in a second, smaller line.
QString titleWithDays(const QString &title, QDate first, qsizetype count, int language)
{
    const QLocale locale = localeOf(language);
    const QString format = QStringLiteral("d MMM");
    const QString days =
        locale.toString(first, format) + QStringLiteral(" – ") + locale.toString(first.addDays(count - 1), format);
    return title.toHtmlEscaped()
        + QStringLiteral("<br><span style=\"font-size:7pt\">%1</span>").arg(days.toHtmlEscaped());
}

QValueAxis *countAxis(const QList<int> &values)
{
    auto *axis = new QValueAxis;
    const int highest = values.isEmpty() ? 0 : *std::max_element(values.cbegin(), values.cend());
    axis->setRange(0, std::max(highest, 4));
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setLabelsFont(captionFont(7));
    axis->applyNiceNumbers();
    return axis;
}

} // namespace

DailyFigures answerFigures(const QList<Platform::ProgressDayTally> &tallies, QDate first, QDate last)
{
    DailyFigures figures;
    figures.first = first;
    const qsizetype days = std::max<qint64>(0, first.daysTo(last) + 1);
    figures.answers.fill(0, days);
    figures.right.fill(0, days);
    figures.rightShare.fill(-1, days);
    for (const Platform::ProgressDayTally &tally : tallies) {
        const qint64 index = first.daysTo(tally.day);
        if (index < 0 || index >= days || tally.answers <= 0)
            continue;
        figures.answers[index] = tally.answers;
        figures.right[index] = tally.right;
        figures.rightShare[index] = int(std::lround(100.0 * tally.right / tally.answers));
    }
    return figures;
}

DailyFigures dueFigures(const QList<Platform::ProgressDueDay> &forecast, QDate first, QDate last)
{
    DailyFigures figures;
    figures.first = first;
    const qsizetype days = std::max<qint64>(0, first.daysTo(last) + 1);
    figures.due.fill(0, days);
    for (const Platform::ProgressDueDay &day : forecast) {
        const qint64 index = first.daysTo(day.day);
        if (index >= 0 && index < days)
            figures.due[index] += day.items;
    }
    return figures;
}

QChart *answersChart(const DailyFigures &figures, int language)
{
    QChart *chart = newChart(titleWithDays(progressText(language, QStringLiteral("answersTitle")), figures.first,
                                           figures.answers.size(), language));
    auto *answers = new QBarSet(progressText(language, QStringLiteral("answers")));
    answers->setColor(kAnswerColour);
    answers->setBorderColor(kAnswerColour.darker());
    for (const int value : figures.answers)
        answers->append(value);
    auto *bars = new QBarSeries;
    bars->append(answers);
    auto *share = new QLineSeries;
    share->setName(progressText(language, QStringLiteral("rightShare")));
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
    QValueAxis *count = countAxis(figures.answers);
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
    percent->setLabelsFont(captionFont(7));
    percent->setTickCount(5);
    chart->addAxis(percent, Qt::AlignRight);
    share->attachAxis(percent);
    return chart;
}

QChart *forecastChart(const DailyFigures &figures, int language)
{
    QChart *chart = newChart(titleWithDays(progressText(language, QStringLiteral("forecastTitle")), figures.first,
                                           figures.due.size(), language));
    auto *due = new QBarSet(progressText(language, QStringLiteral("forecast")));
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
    QValueAxis *count = countAxis(figures.due);
    chart->addAxis(count, Qt::AlignLeft);
    bars->attachAxis(count);
    // One series: the title says what the bars are.
    chart->legend()->hide();
    return chart;
}

QString answersSummary(const DailyFigures &figures, int language)
{
    const int answers = std::accumulate(figures.answers.cbegin(), figures.answers.cend(), 0);
    const int right = std::accumulate(figures.right.cbegin(), figures.right.cend(), 0);
    const int share = answers > 0 ? int(std::lround(100.0 * right / answers)) : 0;
    return progressText(language, QStringLiteral("answersSummary")).arg(answers).arg(share);
}

QString forecastSummary(const DailyFigures &figures, int language)
{
    const int due = std::accumulate(figures.due.cbegin(), figures.due.cend(), 0);
    return progressText(language, QStringLiteral("forecastSummary")).arg(due);
}

} // namespace Practice
