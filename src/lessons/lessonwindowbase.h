// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>
#include <memory>

#include <QWidget>

#include "character/geniereference.h"
#include "lessons/lessonservices.h"
#include "platform/agent/agentcontrol.h"
#include "platform/core/error.h"
#include "platform/core/steprunner.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSlider;

namespace Platform {
class Database;
class DataSource;
} // namespace Platform

namespace Lessons {

class CurrentRecordText;

/// Shows a message with an OK button and returns when the learner has read it.
using MessagePresenter = std::function<void(QWidget *parent, const QString &title, const QString &text)>;

/// The named controls of the lesson windows, as the windows name them. The first group
/// every window has; a window leaves the others it lacks empty.
struct LessonControls {
    QPlainTextEdit *txtTexten = nullptr;
    QPlainTextEdit *txtNative = nullptr;
    QLineEdit *txtPicture = nullptr;
    /// The animation name box ("txtAnim", or "txtAnimat" in the alphabet window).
    QLineEdit *txtAnim = nullptr;
    QLineEdit *txtRuVoc = nullptr;
    QLabel *Picture1 = nullptr;
    QPushButton *cmdBack = nullptr;
    QPushButton *cmdRepeat = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdLast = nullptr;
    QPushButton *cmdEnd = nullptr;
    QPushButton *cmdNextLesson = nullptr;

    // The windows with the speed slider (lessons 2 to 38).
    QSlider *Slider1 = nullptr;
    /// The dictionary button.
    QPushButton *Command1 = nullptr;
    QLabel *lblChanceButton = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *txtInneholl = nullptr;
    QLineEdit *txtSpeed = nullptr;
    // Label1 is the lesson commands' area there and the lesson caption in the alphabet window.
    QLabel *Label1 = nullptr;
    // The alphabet window's letter blocks.
    QLabel *Image1 = nullptr;
};

/// What the lesson windows share: the course records bound through Data1, showing and
/// speaking them through the window's own Agent1, navigation, the character's start-up and
/// events, and the requests to the shell. The windows add their own controls, load steps
/// and commands.
///
/// The window never creates other windows: it asks the shell through its signals. It closes
/// itself with close(); closing releases the character reference and the database handles.
class LessonWindowBase : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LessonWindowBase)
public:
    ~LessonWindowBase() override;

    /// Runs the window's load steps and then shows the first record of its lesson. When
    /// the character cannot speak Russian (and the window reacts to that) the learner is
    /// told, the program is asked to end and nothing more happens.
    void load();

    /// Replaces the message box (tests). The default shows a modal QMessageBox.
    void setMessagePresenter(MessagePresenter presenter);

    /// The window's bound data source (Data1).
    Platform::DataSource &dataSource() const;
    /// The window's Agent control (Agent1).
    Platform::AgentControl &agentControl() const;
    const LessonControls &controls() const { return m_ui; }
    /// True while the window holds its character reference.
    bool holdsCharacter() const { return m_genie->holds(); }
    /// True while the window holds its course database handle.
    bool holdsCourseDatabase() const { return bool(m_courseDatabase); }
    /// True when the load stopped early (the program was asked to end).
    bool loadStopped() const { return m_loadStopped; }

Q_SIGNALS:
    /// Bring back the start dialog (load and show it when it is not loaded).
    void startDialogRequested();
    /// Show the dictionary window, not modal.
    void dictionaryRequested();
    /// The window has moved CurrentLesson on and closed; load the lesson window for it.
    void nextLessonRequested();

protected:
    LessonWindowBase(LessonServices &services, const QString &objectName,
                     Character::GenieReference::BalloonFont balloonFont, QWidget *parent);

    /// How the load reacts to a failing step; an empty handler skips every failing step.
    virtual Platform::StepRunner::Handler loadErrorHandler() = 0;
    /// The window's own load steps, in order, on \a runner.
    virtual void runLoadSteps(Platform::StepRunner &runner) = 0;
    /// The record-shown step: runs when a record with another Russian text becomes current.
    virtual void showRecord() = 0;

    void closeEvent(QCloseEvent *event) override;

    // Load steps shared by the windows.
    /// Opens Russian.mdb through the engine with the course password and keeps the handle.
    Platform::Status openCourseDatabase();
    /// Loads the character, keeps the reference, sets language and voice, sets up the
    /// balloon, moves it to its waiting place, shows it and fills its pop-up menu: one
    /// step each.
    void startCharacter(Platform::StepRunner &runner);
    /// Stops the load when the character cannot speak Russian: tells the learner in the
    /// current language and ends the program.
    Platform::StepRunner::Reaction stopForMissingCyrillic();
    /// The lesson whose records the window shows, for their own stress decisions; takes
    /// effect once the window has loaded its controls' bindings.
    void setShownLesson(int lesson);
    /// The Russian text of txtTexten as the window speaks it: decoded, without stress marks.
    QString spokenRussianText() const;

    /// Loads the picture named in txtPicture from the Pictures folder into Picture1; a
    /// failed load leaves the picture shown before.
    Platform::Status loadPicture();

    // Navigation; the record-shown step follows from the move.
    /// Stops listening first when \a stopListeningFirst; a failing stop never prevents the
    /// move.
    void moveNext(bool stopListeningFirst);
    void movePrevious();
    void moveLast();

    /// Lets go of the character reference and the course database handle.
    void releaseResources();

    LessonServices &m_services;
    LessonControls m_ui;
    Platform::DataSource *m_data = nullptr;
    /// The window's hold on the character through its own Agent1; character requests fail
    /// while it holds no reference.
    std::unique_ptr<Character::GenieReference> m_genie;
    std::shared_ptr<Platform::Database> m_courseDatabase;

private:
    MessagePresenter m_presenter;
    /// Shows the current record's Russian text and starts the record-shown step; created
    /// when the window loads, owned by the window.
    CurrentRecordText *m_recordText = nullptr;
    bool m_loadStopped = false;
};

} // namespace Lessons
