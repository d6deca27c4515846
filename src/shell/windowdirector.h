// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include <QObject>

#include "shell/startdialog.h"
#include "shell/stresstablereader.h"
#include "shell/windowslot.h"

namespace Course {
class LearningChoicesNotifier;
class StressTable;
} // namespace Course
namespace Contents {
class ContentsWindow;
}
namespace Dictionary {
class FrmLexiconEng;
struct DictionaryServices;
} // namespace Dictionary
namespace Lessons {
class LessonWindowBase;
class Lektion1;
class Lektion2;
class Lektion3;
struct LessonServices;
} // namespace Lessons

namespace Shell {

class FrmAbout;
class FrmMain;
class HelpCommands;
class LearningCommands;
class LearningMenu;
class PrintLesson;
struct Services;

/// The program's window objects: one per window kind, created and loaded on first touch,
/// released when the window closes. It answers the main window's and the windows' requests
/// (open a lesson, the contents, the dictionary, the about box, print, help) so windows
/// never reach one another directly. It holds the learner's choices of how Russian is shown
/// and the Learning menu that changes them, and hands both the choices and the course's
/// stress table to the windows that show Russian text and to printing.
class WindowDirector final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowDirector)
public:
    WindowDirector(Services &services, FrmMain &main, QObject *parent = nullptr);
    ~WindowDirector() override;

    /// Opens the lesson window of \a kind for CurrentLesson. A window of that kind that is
    /// already open keeps its lesson and is brought to the front.
    void openLessonWindow(Course::LessonWindowKind kind);
    void showContents();
    void showDictionary();
    void showAbout();
    void printLesson();
    void programHelp();
    void grammarHelp();
    /// Releases every window object (the main window is closing); top-level windows close.
    void releaseAll();

    Lessons::LessonWindowBase *lessonWindow(Course::LessonWindowKind kind) const;
    Contents::ContentsWindow *contents() const;
    Dictionary::FrmLexiconEng *dictionary() const;
    FrmAbout *about() const;
    /// The Learning menu's practice commands and windows.
    LearningCommands &practiceCommands() const { return *m_practice; }
    /// The learner's choices in force; windows re-render when they change.
    Course::LearningChoicesNotifier &learningChoices() const { return *m_learning; }
    /// The Learning menu's entries; null when the services have no choices file.
    LearningMenu *learningMenu() const { return m_learningMenu.get(); }

private:
    template<typename Window>
    Window *openLesson(WindowSlot<Window> &slot, Course::LessonWindowKind kind);
    void showTopLevel(QWidget *window);
    /// The course's stress table from the application folder.
    const Course::StressTable *stressTable();

    Services &m_services;
    FrmMain &m_main;
    std::unique_ptr<Lessons::LessonServices> m_lessonServices;
    std::unique_ptr<Dictionary::DictionaryServices> m_dictionaryServices;
    StressTableReader m_stress;
    std::unique_ptr<Course::LearningChoicesNotifier> m_learning;
    std::unique_ptr<LearningMenu> m_learningMenu;
    std::unique_ptr<PrintLesson> m_print;
    std::unique_ptr<HelpCommands> m_help;
    std::unique_ptr<LearningCommands> m_practice;
    WindowSlot<Lessons::Lektion1> m_lektion1;
    WindowSlot<Lessons::Lektion2> m_lektion2;
    WindowSlot<Lessons::Lektion3> m_lektion3;
    WindowSlot<Contents::ContentsWindow> m_contents;
    WindowSlot<Dictionary::FrmLexiconEng> m_dictionary;
    WindowSlot<FrmAbout> m_about;
};

} // namespace Shell
