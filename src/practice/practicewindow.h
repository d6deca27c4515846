// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include <QRandomGenerator>
#include <QWidget>

#include "course/practicesession.h"
#include "practice/practiceservices.h"

class QLabel;
class QPushButton;
class QStackedWidget;

namespace Practice {

class AnswerView;
class ItemView;
class ItemViews;
class PracticeSpeaker;
class SpeakingPanel;

/// The practice window's controls, named as the window names them.
struct PracticeControls {
    QLabel *lblPosition = nullptr;
    QLabel *lblLesson = nullptr;
    QLabel *lblTask = nullptr;
    QLabel *lblPrompt = nullptr;
    /// One view per kind of item (itemkinds.h); the current item's is shown.
    QStackedWidget *stack = nullptr;
    AnswerView *answer = nullptr;
    /// Record yourself and compare with the genie: Listen-and-repeat items, and recall items
    /// once revealed. Null without the speaking services.
    SpeakingPanel *speaking = nullptr;
    QLabel *lblHint = nullptr;
    QPushButton *cmdRepeat = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdEnd = nullptr;
};

/// The practice window ("frmPractice"): a session of up to twenty items, one at a time,
/// asked in the exercise the session chose. Every answer is graded, scheduled and recorded
/// in the learner's progress before anything else happens; an answer that cannot be
/// recorded ends the session with a message, never silently.
///
/// Keys, wherever the focus is in the window: 1–4 pick a choice or, once a recall item is
/// revealed, a grade; Space reveals a recall item or has the genie say the item again (in
/// the answer box it types a space); Enter checks a typed answer, presses the focused
/// button of the item, or goes on once the item is answered; R held down records while
/// the speaking panel is shown.
///
/// The window does not delete itself on close; its owner decides.
class PracticeWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PracticeWindow)
public:
    /// \a services must outlive the window.
    explicit PracticeWindow(PracticeServices &services, QWidget *parent = nullptr);
    ~PracticeWindow() override;

    /// Starts a session over lesson \a lesson: its due items, new ones within the day's
    /// allowance, then those whose turn comes soonest. False when the progress cannot be
    /// used; the learner has been told why.
    bool startLesson(int lesson);
    /// Starts a session over every due item. False as for startLesson().
    bool startDue();

    /// Replaces the message box (tests). The default shows a modal QMessageBox.
    void setMessagePresenter(MessagePresenter presenter);

    const Course::PracticeSession &session() const { return m_session; }
    const PracticeControls &controls() const { return m_ui; }

Q_SIGNALS:
    /// An answer was recorded: due counts shown elsewhere may have changed.
    void answerRecorded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool start(const Course::SessionRequest &request);
    void buildControls();
    void installKeys();
    void applyLanguage();
    void showEntry();
    void showFinished(const QString &text);
    void sayAgain();
    void pressNumber(int number);
    void goOn();
    void choose(int index);
    void check(const QString &typed);
    void reveal();
    void grade(Course::Fsrs::Grade grade);
    void settle(const Course::AnswerOutcome &outcome, int chosen, const QString &typed);
    void nextItem();
    QString text(const char *key) const;
    ItemView &currentView() const;

    PracticeServices &m_services;
    PracticeControls m_ui;
    std::unique_ptr<ItemViews> m_views;
    PracticeSpeaker *m_speaker = nullptr;
    MessagePresenter m_presenter;
    QHash<Course::ItemKey, Course::ItemMemory> m_memory;
    Course::PracticeSession m_session;
    QRandomGenerator m_random;
    QDateTime m_shownAt;
    int m_language = 0;
};

} // namespace Practice
