// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/windowdirector.h"

#include <QMessageBox>
#include <QPointer>

#include "contents/contentswindow.h"
#include "course/learningchoices.h"
#include "course/programstate.h"
#include "course/stresstable.h"
#include "dictionary/dictionaryservices.h"
#include "dictionary/frmlexiconeng.h"
#include "lessons/lektion1.h"
#include "lessons/lektion2.h"
#include "lessons/lektion3.h"
#include "lessons/lessonservices.h"
#include "platform/ui/firstpaint.h"
#include "shell/frmabout.h"
#include "shell/frmmain.h"
#include "shell/helpcommands.h"
#include "shell/learningcommands.h"
#include "shell/learningmenu.h"
#include "shell/logging.h"
#include "shell/printlesson.h"
#include "shell/services.h"

namespace Shell {

WindowDirector::WindowDirector(Services &services, FrmMain &main, QObject *parent)
    : QObject(parent)
    , m_services(services)
    , m_main(main)
    , m_lessonServices(std::make_unique<Lessons::LessonServices>())
    , m_dictionaryServices(std::make_unique<Dictionary::DictionaryServices>())
    , m_stress(services.paths.join(QStringLiteral("\\stress.tsv")))
    , m_learning(std::make_unique<Course::LearningChoicesNotifier>())
    , m_help(std::make_unique<HelpCommands>(*services.state, services.paths))
{
    // Not read at start-up: after the main window's first paint, or when a window first
    // needs it.
    new Platform::FirstPaintWatcher(main, [director = QPointer(this)] {
        if (director)
            director->m_stress.readInBackground();
    });
    if (services.learningSettings)
        m_learningMenu = std::make_unique<LearningMenu>(main, *services.learningSettings, *m_learning,
                                                        services.state->language(), services.recordings);
    *m_lessonServices = {services.state,     services.settings, services.characters,
                         services.databases, services.launcher, services.paths};
    m_lessonServices->learning = m_learning.get();
    *m_dictionaryServices = {services.state, services.characters, services.databases, services.paths};
    m_dictionaryServices->learning = m_learning.get();
    if (services.reports)
        m_print = std::make_unique<PrintLesson>(*services.reports, *services.state, services.paths, services.settings);

    m_lektion1.setFactory([this]() { return new Lessons::Lektion1(*m_lessonServices); });
    m_lektion2.setFactory([this]() { return new Lessons::Lektion2(*m_lessonServices); });
    m_lektion3.setFactory([this]() { return new Lessons::Lektion3(*m_lessonServices); });
    m_contents.setFactory([this]() {
        auto *window = new Contents::ContentsWindow(*m_services.state);
        // Choosing a lesson runs the start dialog's start command at once.
        connect(window, &Contents::ContentsWindow::startCommandRequested, this, [this]() {
            if (Start *start = m_main.start().touch())
                start->startSelectedLesson();
        });
        window->load();
        return window;
    });
    m_dictionary.setFactory([this]() {
        m_dictionaryServices->stress = stressTable();
        auto *window = new Dictionary::FrmLexiconEng(*m_dictionaryServices);
        window->load();
        return window;
    });
    m_about.setFactory([this]() { return new FrmAbout(*m_services.launcher); });
    m_practice = std::make_unique<LearningCommands>(services, main, [this] {
        return QList<QWidget *>{lessonWindow(Course::LessonWindowKind::Lesson),
                                lessonWindow(Course::LessonWindowKind::Third),
                                lessonWindow(Course::LessonWindowKind::Alphabet)};
    });
    m_practice->setRussianDisplay({[this] { return stressTable(); }, m_learning.get()});

    connect(&main, &FrmMain::lessonWindowRequested, this, &WindowDirector::openLessonWindow);
    connect(&main, &FrmMain::contentsRequested, this, &WindowDirector::showContents);
    connect(&main, &FrmMain::aboutRequested, this, &WindowDirector::showAbout);
    connect(&main, &FrmMain::printRequested, this, &WindowDirector::printLesson);
    connect(&main, &FrmMain::programHelpRequested, this, &WindowDirector::programHelp);
    connect(&main, &FrmMain::grammarHelpRequested, this, &WindowDirector::grammarHelp);
    connect(&main, &FrmMain::unloading, this, &WindowDirector::releaseAll);
}

WindowDirector::~WindowDirector() = default;

const Course::StressTable *WindowDirector::stressTable()
{
    return m_stress.table();
}

template<typename Window>
Window *WindowDirector::openLesson(WindowSlot<Window> &slot, Course::LessonWindowKind kind)
{
    if (Window *open = slot.get()) {
        m_main.showChild(open);
        return open;
    }
    m_lessonServices->stress = stressTable();
    Window *window = slot.touch();
    // The lesson this window shows, for "Practise this lesson".
    window->setProperty("lesson", m_services.state->currentLesson);
    connect(window, &Lessons::LessonWindowBase::startDialogRequested, &m_main, &FrmMain::ShowStartDialog);
    connect(window, &Lessons::LessonWindowBase::dictionaryRequested, this, &WindowDirector::showDictionary);
    // Next lesson: the window has closed itself; the next one of the same kind (the
    // alphabet hands over to the lesson window) loads in its place, one window per kind.
    connect(
        window, &Lessons::LessonWindowBase::nextLessonRequested, this,
        [this, kind, &slot]() {
            slot.release();
            openLessonWindow(kind == Course::LessonWindowKind::Alphabet ? Course::LessonWindowKind::Lesson : kind);
        },
        Qt::QueuedConnection);
    m_main.showChild(window);
    window->load();
    return window;
}

void WindowDirector::openLessonWindow(Course::LessonWindowKind kind)
{
    switch (kind) {
    case Course::LessonWindowKind::Alphabet:
        openLesson(m_lektion1, kind);
        break;
    case Course::LessonWindowKind::Lesson:
        openLesson(m_lektion2, kind);
        break;
    case Course::LessonWindowKind::Third:
        openLesson(m_lektion3, kind);
        break;
    }
}

Lessons::LessonWindowBase *WindowDirector::lessonWindow(Course::LessonWindowKind kind) const
{
    switch (kind) {
    case Course::LessonWindowKind::Alphabet:
        return m_lektion1.get();
    case Course::LessonWindowKind::Lesson:
        return m_lektion2.get();
    case Course::LessonWindowKind::Third:
        return m_lektion3.get();
    }
    return nullptr;
}

Contents::ContentsWindow *WindowDirector::contents() const
{
    return m_contents.get();
}
Dictionary::FrmLexiconEng *WindowDirector::dictionary() const
{
    return m_dictionary.get();
}
FrmAbout *WindowDirector::about() const
{
    return m_about.get();
}

void WindowDirector::showTopLevel(QWidget *window)
{
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowDirector::showContents()
{
    showTopLevel(m_contents.touch());
}
void WindowDirector::showDictionary()
{
    showTopLevel(m_dictionary.touch());
}
void WindowDirector::showAbout()
{
    showTopLevel(m_about.touch());
}

void WindowDirector::printLesson()
{
    if (!m_print)
        return;
    m_print->setStress(stressTable(), m_learning.get());
    if (const Platform::Status status = m_print->print(); status.failed()) {
        qCWarning(lcShell) << "printing failed:" << status.code() << status.error().detail;
        auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Veskora"), m_print->errorText(),
                                    QMessageBox::Ok, &m_main);
        box->setObjectName(QStringLiteral("printError"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    }
}

void WindowDirector::programHelp()
{
    m_help->chooseProgramHelp();
}
void WindowDirector::grammarHelp()
{
    m_help->chooseGrammarHelp();
}

void WindowDirector::releaseAll()
{
    // Top-level windows would otherwise outlive the frame and keep the program running.
    for (QWidget *window : {static_cast<QWidget *>(m_contents.get()), static_cast<QWidget *>(m_about.get()),
                            static_cast<QWidget *>(m_dictionary.get())}) {
        if (window)
            window->close();
    }
    m_contents.release();
    m_about.release();
    m_dictionary.release();
    m_practice->release();
    m_lektion1.release();
    m_lektion2.release();
    m_lektion3.release();
}

} // namespace Shell
