// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/progresscharts.h"

#include <numeric>

#include <QLocale>

#include "course/languages.h"
#include "practice/practicelook.h"
#include "practice/practicetexts.h"

namespace Practice {

namespace {

QLocale localeOf(int language)
{
    static constexpr QLocale::Language locales[] = {QLocale::English, QLocale::Swedish, QLocale::Finnish,
                                                    QLocale::German,  QLocale::French,  QLocale::Spanish};
    const int index = Course::Language::indexOf(language);
    return QLocale(locales[index < 0 ? 0 : index]);
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

ChartTexts chartFonts()
{
    ChartTexts texts;
    texts.titleFont = captionFont(9);
    texts.legendFont = captionFont(8);
    texts.labelFont = captionFont(7);
    return texts;
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

ChartTexts answersChartTexts(const DailyFigures &figures, int language)
{
    ChartTexts texts = chartFonts();
    texts.title = titleWithDays(progressText(language, QStringLiteral("answersTitle")), figures.first,
                                figures.answers.size(), language);
    texts.bars = progressText(language, QStringLiteral("answers"));
    texts.line = progressText(language, QStringLiteral("rightShare"));
    return texts;
}

ChartTexts forecastChartTexts(const DailyFigures &figures, int language)
{
    ChartTexts texts = chartFonts();
    texts.title = titleWithDays(progressText(language, QStringLiteral("forecastTitle")), figures.first,
                                figures.due.size(), language);
    texts.bars = progressText(language, QStringLiteral("forecast"));
    return texts;
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
