// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QWidget>

#include "practice/practiceservices.h"

class QChartView;
class QLabel;
class QPushButton;
class QTableWidget;

namespace Course {
struct LessonProgress;
}

namespace Practice {

/// The progress window ("frmProgress"): the current streak of practice days (lblStreak),
/// per lesson the phrases new, being learnt, known and due today (grdLessons), a chart of
/// answers per day and the share answered right over the last 30 days (chtAnswers), and
/// the items falling due in the next 14 days (chtForecast).
///
/// The window does not delete itself on close; its owner decides.
class ProgressWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProgressWindow)
public:
    /// \a services must outlive the window.
    explicit ProgressWindow(PracticeServices &services, QWidget *parent = nullptr);
    ~ProgressWindow() override;

    /// Reads the learner's progress and fills the window. False when the progress cannot be
    /// read; the learner has been told why.
    bool load();
    /// Reads the progress again (after answers elsewhere).
    void refresh();

    /// Replaces the message box (tests). The default shows a modal QMessageBox.
    void setMessagePresenter(MessagePresenter presenter);

private:
    void buildControls();
    void fillTable(const QList<Course::LessonProgress> &rows);

    PracticeServices &m_services;
    MessagePresenter m_presenter;
    int m_language = 0;
    QLabel *m_streak = nullptr;
    QTableWidget *m_lessons = nullptr;
    QChartView *m_answers = nullptr;
    QChartView *m_forecast = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace Practice
