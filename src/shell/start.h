// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <array>
#include <functional>

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace Shell {

struct Services;

/// The lesson window kinds the start command dispatches to.
enum class LessonWindowKind { Alphabet = 1, Lesson = 2, Third = 3 };

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

    /// Shows \a line (phrases due today) under the recent-lesson command; nothing when empty.
    void showDueToday(const QString &line);

    /// The lesson a saved "Lesson" value stands for: a whole number from 1 to 38; anything
    /// else (which the program never writes) counts as no saved lesson, that is 2.
    static int recentLesson(const QString &savedLesson);

    /// The window kind for a lesson number: 1 the alphabet window, 2–9 the lesson window,
    /// 10–38 the third lesson window; none for other numbers.
    static std::optional<LessonWindowKind> windowKindFor(int lesson);

Q_SIGNALS:
    /// cmdStart asks for the lesson window of SelectedLesson (the shell opens it).
    void lessonWindowRequested(Shell::LessonWindowKind kind);
    /// The learner chose an interface language with a flag.
    void interfaceLanguageChosen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Row {
        int code;
        QLabel *label;
        QPushButton *flag;
        QString recentCaption;
    };

    void buildControls();
    void chooseLanguage(int code);
    void hoverRow(const Row &row, bool overLabel);
    void resetHover();
    void beginRecentLesson();
    void startSelectedLesson();
    const Row *rowOf(const QObject *control) const;

    Services &m_services;
    std::array<Row, 6> m_rows{};
    QLabel *m_label7 = nullptr;
    QLabel *m_picture2 = nullptr;
    QPushButton *m_cmdRecent = nullptr;
    QLabel *m_lblDueToday = nullptr;
    QPushButton *m_cmdStart = nullptr;
    QLineEdit *m_txtLang = nullptr;
    QLineEdit *m_txtLesson = nullptr;
    QLineEdit *m_txtAgents = nullptr;
};

} // namespace Shell
