// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <array>
#include <functional>

#include <QWidget>

#include "course/lessonrules.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace Shell {

struct Services;

/// The start dialog: welcome texts and flags in six languages (choosing one sets and saves
/// the interface language), the recent-lesson command, and the hidden start command that
/// asks for the lesson window of SelectedLesson.
class Start final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Start)
public:
    explicit Start(Services &services, QWidget *parent = nullptr);

    /// The load step: the component check first (which may end the program: then this
    /// returns false), then the size, the saved language and the saved lesson.
    bool load(const std::function<void()> &unloadSplash = {});

    /// Disables the label and the flag button of every language other than the current
    /// interface language (all twelve when it is none of the six).
    void disableOtherLanguages();

    /// The start command (the hidden cmdStart): asks for the lesson window of
    /// SelectedLesson. The contents window and the recent-lesson command start lessons
    /// through it.
    void startSelectedLesson();

    /// True while the recent-lesson command can be used.
    bool recentLessonAvailable() const;

    /// Shows \a line (phrases due today) under the recent-lesson command; nothing when empty.
    void showDueToday(const QString &line);

Q_SIGNALS:
    /// cmdStart asks for the lesson window of SelectedLesson (the shell opens it).
    void lessonWindowRequested(Course::LessonWindowKind kind);
    /// The learner chose (or the saved settings gave) the interface language \a code.
    void interfaceLanguageChosen(int code);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// A language's welcome text (Label1 … Label6) and flag (Command1 … Command6).
    struct Row {
        int code;
        QLabel *label;
        QPushButton *flag;
        QString recentCaption;
    };
    /// The dialog's named controls.
    struct Controls {
        std::array<Row, 6> rows{};
        QLabel *Label7 = nullptr;
        QLabel *Picture2 = nullptr;
        QPushButton *cmdRecent = nullptr;
        QLabel *lblDueToday = nullptr;
        QPushButton *cmdStart = nullptr;
        QLineEdit *txtLang = nullptr;
        QLineEdit *txtLesson = nullptr;
        QLineEdit *txtAgents = nullptr;
    };

    void buildControls();
    void chooseLanguage(int code);
    void hoverRow(const Row &row, bool overLabel);
    void resetHover();
    void beginRecentLesson();
    const Row *rowOf(const QObject *control) const;

    Services &m_services;
    Controls m_ui;
};

} // namespace Shell
