// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QObject>
#include <QString>

#include "platform/core/apppaths.h"

namespace Course {
struct ProgramState;
}
namespace Platform {
class HelpViewer;
} // namespace Platform

namespace Shell {

/// The Help menu's two help entries. Neither opens the viewer itself: each points the
/// program-wide help reference at the start page of the interface language and then
/// presses F1, so the help opens the way a real F1 press opens it and later presses of F1
/// show the same page.
class HelpCommands final {
public:
    HelpCommands(Course::ProgramState &state, Platform::AppPaths paths);

    /// "Help for program": the user's guide intro page of the language, then F1.
    void chooseProgramHelp();
    /// "Help grammar": the grammar page of the language, then F1.
    void chooseGrammarHelp();

    /// The page literal of each entry for \a language ("\RussianUserHelp.chm::/Eng
    /// intro.htm" …), empty for a language outside the six.
    static QString programHelpPage(int language);
    static QString grammarHelpPage(int language);

    /// Posts one F1 key press to the focus widget, else the active window, else the
    /// application object; it is handled later by the event loop, not awaited.
    static void pressF1();

private:
    void choose(const QString &page);

    Course::ProgramState &m_state;
    Platform::AppPaths m_paths;
};

/// Opens the help viewer on the current help reference whenever F1 is pressed in any
/// window of the program. Install it on the application object.
class HelpKeyFilter final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpKeyFilter)
public:
    HelpKeyFilter(Platform::HelpViewer &viewer, const Course::ProgramState &state, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Platform::HelpViewer &m_viewer;
    const Course::ProgramState &m_state;
};

} // namespace Shell
