// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "practice/progresswindow.h"

#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "course/languages.h"
#include "course/lessontitles.h"
#include "course/programstate.h"
#include "course/progresssummary.h"
#include "platform/progress/progressstore.h"
#include "platform/ui/twips.h"
#include "practice/practicelook.h"
#include "practice/practicetexts.h"
#include "practice/progressaccess.h"
#include "practice/progresscharts.h"

namespace Practice {

namespace {

constexpr int kAnswerDays = 30;
constexpr int kForecastDays = 14;
// Longer streaks than a century of days are not looked for.
constexpr int kLongestStreak = 36500;

void showMessageBox(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.exec();
}

QChartView *addChartView(QWidget *parent, const QString &name)
{
    auto *view = new QChartView(parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFocusPolicy(Qt::StrongFocus);
    return view;
}

// The lesson's title in the table of contents, without its double blanks.
QString lessonTitle(int lesson, int language)
{
    const Course::LessonTitles::Captions *captions = Course::LessonTitles::builtIn().forLanguage(language);
    if (!captions)
        captions = Course::LessonTitles::builtIn().forLanguage(Course::Language::English);
    if (!captions || lesson < 1 || lesson > captions->entries.size())
        return QString::number(lesson);
    return captions->entries.at(lesson - 1).simplified();
}

} // namespace

ProgressWindow::ProgressWindow(PracticeServices &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_presenter(&showMessageBox)
{
    setObjectName(QStringLiteral("frmProgress"));
    const int language = m_services.state->language();
    m_language = Course::Language::isInterfaceLanguage(language) ? language : Course::Language::English;
    Platform::Twips::setColours(this, Qt::black, Qt::white);
    setAutoFillBackground(true);
    buildControls();
    Platform::Twips::resizeClient(this, kWindowWidth, kWindowHeight);
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::setMessagePresenter(MessagePresenter presenter)
{
    m_presenter = std::move(presenter);
}

void ProgressWindow::buildControls()
{
    const auto text = [this](const char *key) { return progressText(m_language, QLatin1String(key)); };
    setWindowTitle(text("title"));
    setAccessibleName(windowTitle());

    auto *layout = new QVBoxLayout(this);
    const int margin = Platform::Twips::toPixels(180, this);
    layout->setContentsMargins(margin, margin, margin, margin);
    m_streak = addLabel(this, QStringLiteral("lblStreak"), kCaptionColour, captionFont(11));
    QFont bold = m_streak->font();
    bold.setBold(true);
    m_streak->setFont(bold);
    layout->addWidget(m_streak);

    m_lessons = new QTableWidget(0, 5, this);
    m_lessons->setObjectName(QStringLiteral("grdLessons"));
    m_lessons->setAccessibleName(text("table"));
    m_lessons->setHorizontalHeaderLabels({text("lesson"), text("new"), text("learning"), text("known"), text("due")});
    m_lessons->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lessons->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lessons->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lessons->verticalHeader()->hide();
    m_lessons->setWordWrap(false);
    m_lessons->setFont(captionFont(9));
    // Rows as tall as their text, so that a dozen lessons show at once.
    m_lessons->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_lessons->verticalHeader()->setDefaultSectionSize(m_lessons->fontMetrics().height() + 4);
    m_lessons->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < 5; ++column)
        m_lessons->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    layout->addWidget(m_lessons, 5);

    auto *charts = new QHBoxLayout;
    m_answers = addChartView(this, QStringLiteral("chtAnswers"));
    m_forecast = addChartView(this, QStringLiteral("chtForecast"));
    charts->addWidget(m_answers, 1);
    charts->addWidget(m_forecast, 1);
    layout->addLayout(charts, 6);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    m_close = addButton(this, QStringLiteral("cmdClose"), text("close"), Qt::white);
    m_close->setMinimumSize(Platform::Twips::toPixels(1335, this), Platform::Twips::toPixels(420, this));
    connect(m_close, &QPushButton::clicked, this, &ProgressWindow::close);
    bottom->addWidget(m_close);
    layout->addLayout(bottom);
}

bool ProgressWindow::load()
{
    if (!openProgress(*m_services.progress, ProgressUse::Read, m_language, m_presenter, this))
        return false;
    refresh();
    return true;
}

void ProgressWindow::refresh()
{
    const Platform::ProgressStore &store = *m_services.progress;
    const QDate today = m_services.today();
    const auto memory = readMemory(store);
    fillTable(Course::lessonProgress(m_services.items(),
                                     memory ? *memory : QHash<Course::ItemKey, Course::ItemMemory>(), today));

    const auto days = store.practiceDays(today, kLongestStreak);
    const int streak = days ? Course::currentStreak(*days, today) : 0;
    m_streak->setText(streak == 0       ? progressText(m_language, QStringLiteral("streakNone"))
                          : streak == 1 ? progressText(m_language, QStringLiteral("streakOne"))
                                        : progressText(m_language, QStringLiteral("streak")).arg(streak));
    m_streak->setAccessibleName(m_streak->text());

    const QDate first = today.addDays(1 - kAnswerDays);
    const auto tallies = store.answersPerDay(first, today);
    const DailyFigures answers = answerFigures(tallies ? *tallies : QList<Platform::ProgressDayTally>(), first, today);
    const QDate last = today.addDays(kForecastDays - 1);
    const auto forecast = store.dueForecast(today, last);
    const DailyFigures due = dueFigures(forecast ? *forecast : QList<Platform::ProgressDueDay>(), today, last);

    // The view owns its chart; setting a new one deletes the old.
    QChart *answersShown = m_answers->chart();
    m_answers->setChart(answersChart(answers, m_language));
    delete answersShown;
    QChart *forecastShown = m_forecast->chart();
    m_forecast->setChart(forecastChart(due, m_language));
    delete forecastShown;
    m_answers->setAccessibleName(progressText(m_language, QStringLiteral("answersTitle")));
    m_answers->setAccessibleDescription(answersSummary(answers, m_language));
    m_forecast->setAccessibleName(progressText(m_language, QStringLiteral("forecastTitle")));
    m_forecast->setAccessibleDescription(forecastSummary(due, m_language));
}

void ProgressWindow::fillTable(const QList<Course::LessonProgress> &rows)
{
    m_lessons->setRowCount(int(rows.size()) + 1);
    Course::LessonProgress total;
    const auto setRow = [this](int row, const QString &title, const Course::LessonProgress &figures) {
        auto *name = new QTableWidgetItem(title);
        name->setToolTip(title);
        m_lessons->setItem(row, 0, name);
        const int values[] = {figures.fresh, figures.learning, figures.known, figures.due};
        for (int column = 1; column < 5; ++column) {
            auto *cell = new QTableWidgetItem(QString::number(values[column - 1]));
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_lessons->setItem(row, column, cell);
        }
    };
    for (int row = 0; row < rows.size(); ++row) {
        const Course::LessonProgress &figures = rows.at(row);
        setRow(row, lessonTitle(figures.lesson, m_language), figures);
        total.fresh += figures.fresh;
        total.learning += figures.learning;
        total.known += figures.known;
        total.due += figures.due;
    }
    setRow(int(rows.size()), progressText(m_language, QStringLiteral("total")), total);
    QFont bold = m_lessons->font();
    bold.setBold(true);
    for (int column = 0; column < 5; ++column)
        m_lessons->item(int(rows.size()), column)->setFont(bold);
}

} // namespace Practice
