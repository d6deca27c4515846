// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QList>
#include <QObject>

#include "practice/russiandisplay.h"
#include "shell/windowslot.h"

namespace Practice {
class PracticeWindow;
class ProgressWindow;
struct PracticeServices;
struct SpeakingServices;
} // namespace Practice

namespace Shell {

class FrmMain;
struct Services;

/// The practice entries of the frame's Learning menu (mnuPractiseLesson, mnuReviewDue,
/// mnuMyProgress) and what they open: the practice window and the progress window (one of
/// each, child windows in the frame's top left corner). They keep the due count in the menu
/// and on the start dialog up to date. Without a progress store the entries are disabled.
class LearningCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LearningCommands)
public:
    /// The lesson windows that are open, the one that was opened last first.
    using OpenLessons = std::function<QList<QWidget *>()>;

    /// \a services and \a main must outlive the commands.
    LearningCommands(Services &services, FrmMain &main, OpenLessons openLessons, QObject *parent = nullptr);
    ~LearningCommands() override;

    /// Practises the open lesson (the active window's, else an open lesson window's), else
    /// the saved recent lesson, else lesson 2.
    void practiseLesson();
    void reviewDue();
    void showProgress();
    /// Words the entries in the interface language and brings the due count in the menu and
    /// the start dialog's line of phrases due today up to date.
    void refresh();
    /// Releases both windows (the frame is closing).
    void release();
    /// How the practice windows show Russian text (stress marks as the learner chose); the
    /// same stress table and choices mark the stressed syllables of the learner's recordings
    /// and say whether they are kept.
    void setRussianDisplay(const Practice::RussianDisplay &display);

    /// The lesson "Practise this lesson" takes.
    int practiceLesson() const;
    Practice::PracticeWindow *practice() const;
    Practice::ProgressWindow *progress() const;

private:
    void startPractice(const std::function<bool(Practice::PracticeWindow &)> &start);
    void showInCorner(QWidget *window);
    /// Phrases due today; none before the first practice or when the progress cannot be read.
    std::optional<int> dueToday();

    Services &m_services;
    FrmMain &m_main;
    OpenLessons m_openLessons;
    std::unique_ptr<Practice::PracticeServices> m_practiceServices;
    /// The learner's voice in the practice window; null without a sound recorder.
    std::unique_ptr<Practice::SpeakingServices> m_speaking;
    WindowSlot<Practice::PracticeWindow> m_practice;
    WindowSlot<Practice::ProgressWindow> m_progress;
};

} // namespace Shell
