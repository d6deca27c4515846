// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QColor>
#include <QRect>

#include "lessons/lessoncaptions.h"
#include "lessons/lessonwindowbase.h"

namespace Lessons {

/// Where the two lesson windows with the speed slider differ: their layout, two colours
/// and a handful of rules. Lektion2 and Lektion3 each hold one; everything else they share.
/// Rectangles are in twips.
struct LessonWindowDesign {
    QString objectName;
    QString title;
    CaptionSet captions = CaptionSet::Lesson;
    /// SelectedLesson is written with at least this many digits on load ("0" or "00").
    int lessonDigits = 1;
    /// Every failing load step is skipped; without it the load error handler reacts to a
    /// missing Russian voice (ends the program) and a missing dictionary file.
    bool loadIgnoresErrors = false;
    /// Repeat loads the record's picture again.
    bool repeatReloadsPicture = false;
    /// End lesson brings back the start dialog before the window closes, not after.
    bool startDialogBeforeClose = true;
    /// Resting colour of cmdLast, which the navigation area also gives back.
    QColor lastColour;
    /// Colour of the lesson caption Label2 and the heading box txtInneholl.
    QColor headingColour;

    QRect Picture1, Slider1, Command1, cmdEnd, cmdNextLesson, Label1;
    QRect cmdBack, cmdRepeat, cmdNext, cmdLast, lblChanceButton;
    QRect txtTexten, txtNative, Label2, txtInneholl;
};

/// A lesson window with the speed slider, the dictionary button, the lesson heading and
/// the hover colours: the window of lessons 2 to 9 and, with its own design, of lessons
/// 10 to 38.
class LessonWindow : public LessonWindowBase {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LessonWindow)
public:
    ~LessonWindow() override;

    /// The heading of the lesson: the translation of the first record shown.
    QString lessonHeading() const { return m_lessonHeading; }
    /// Records shown since the load.
    int recordsShown() const { return m_recordsShown; }
    /// True while the window holds its dictionary database handle.
    bool holdsDictionaryDatabase() const { return bool(m_dictionaryDatabase); }

protected:
    LessonWindow(LessonServices &services, LessonWindowDesign design, QWidget *parent);

    Platform::StepRunner::Handler loadErrorHandler() override;
    void runLoadSteps(Platform::StepRunner &runner) override;
    void showRecord() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    Platform::Status loadSpeed();
    /// Runs a step that opens databases; true when it succeeded.
    bool runDatabaseStep(Platform::StepRunner &runner, const std::function<Platform::Status()> &step);
    Platform::Status openDatabases();
    Platform::Status openDictionaryByPath();
    void applyLanguage();
    void chooseRate(int position);
    void repeatRecord();
    void endLesson();
    void startNextLesson();
    void keepHeading();
    void setHover(QPushButton *button, const QColor &colour, int heightTwips);

    LessonWindowDesign m_design;
    std::shared_ptr<Platform::Database> m_dictionaryDatabase;
    QString m_dictionaryPath;
    QString m_lessonHeading;
    int m_recordsShown = 0;
    /// Set while a load step opens a database, so that "file not found" there (and only
    /// there) hides the dictionary button.
    bool m_openingDatabases = false;
};

} // namespace Lessons
