// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <array>

#include <QWidget>

#include "course/lessonrules.h"
#include "course/lessontitles.h"

class QLabel;

namespace Course {
struct ProgramState;
}

namespace Contents {

/// The table of contents ("Contents"): a sizable tool window with one fixed label per
/// lesson, Label1 … Label38, captioned in the interface language. Clicking entry N makes
/// N the current and the selected lesson, emits startCommandRequested() and closes the
/// window; the shell answers that signal by pressing the start dialog's cmdStart, which
/// opens the lesson window, before the window closes.
///
/// When the interface language is none of the six codes the window shows the English
/// caption and entries, so that a learner never faces 38 empty lines.
///
/// The window does not delete itself on close; whoever owns it decides (the shell keeps
/// at most one and sets Qt::WA_DeleteOnClose or releases it itself).
class ContentsWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ContentsWindow)
public:
    /// \a state must outlive the window; it is read at load and written on a choice.
    explicit ContentsWindow(Course::ProgramState &state, QWidget *parent = nullptr);
    ~ContentsWindow() override;

    /// Sets the caption and the 38 entry texts for the current interface language. Runs
    /// once per window; a later language change shows at the next window.
    void load();

    /// Entry \a lesson (1 to 38), or nullptr outside that range.
    QLabel *entry(int lesson) const;

    /// Chooses lesson \a lesson (1 to 38) as a click on its entry does.
    void chooseLesson(int lesson);

Q_SIGNALS:
    /// The learner chose a lesson: CurrentLesson and SelectedLesson already hold it. The
    /// receiver must open the lesson synchronously; the window closes right after.
    void startCommandRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void hoverEntry(int lesson);
    int lessonOf(const QObject *object) const;

    Course::ProgramState &m_state;
    /// The window's named controls: Label1 … Label38 are Label[0] … Label[37].
    struct Controls {
        std::array<QLabel *, Course::kLessonCount> Label{};
    };
    Controls m_ui;
};

} // namespace Contents
