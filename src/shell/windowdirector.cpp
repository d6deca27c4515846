// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/windowdirector.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include "contents/contentswindow.h"
#include "dictionary/dictionaryservices.h"
#include "dictionary/frmlexiconeng.h"
#include "lessons/lektion1.h"
#include "lessons/lektion2.h"
#include "lessons/lektion3.h"
#include "lessons/lessonservices.h"
#include "course/lessonrules.h"
#include "course/programstate.h"
#include "course/settingskeys.h"
#include "platform/progress/progressstore.h"
#include "platform/settings/settingsstore.h"
#include "practice/practicetexts.h"
#include "practice/practicewindow.h"
#include "practice/progressaccess.h"
#include "practice/progresswindow.h"
#include "shell/frmabout.h"
#include "shell/frmmain.h"
#include "shell/helpcommands.h"
#include "shell/printlesson.h"
#include "shell/services.h"

namespace Shell {

WindowDirector::WindowDirector(Services &services, FrmMain &main, QObject *parent)
    : QObject(parent)
    , m_services(services)
    , m_main(main)
    , m_lessonServices(std::make_unique<Lessons::LessonServices>())
    , m_dictionaryServices(std::make_unique<Dictionary::DictionaryServices>())
    , m_practiceServices(std::make_unique<Practice::PracticeServices>())
    , m_help(std::make_unique<HelpCommands>(*services.state, services.paths))
{
    *m_lessonServices = {services.state, services.settings, services.characters, services.databases,
                         services.launcher, services.paths};
    *m_dictionaryServices = {services.state, services.characters, services.databases, services.paths};
    m_practiceServices->state = services.state;
    m_practiceServices->settings = services.settings;
    m_practiceServices->characters = services.characters;
    m_practiceServices->databases = services.databases;
    m_practiceServices->progress = services.progress;
    m_practiceServices->paths = services.paths;
    if (services.reports)
        m_print = std::make_unique<PrintLesson>(*services.reports, *services.state, services.paths);

    m_lektion1.setFactory([this]() { return new Lessons::Lektion1(*m_lessonServices); });
    m_lektion2.setFactory([this]() { return new Lessons::Lektion2(*m_lessonServices); });
    m_lektion3.setFactory([this]() { return new Lessons::Lektion3(*m_lessonServices); });
    m_contents.setFactory([this]() {
        auto *window = new Contents::ContentsWindow(*m_services.state);
        // Choosing a lesson presses the start dialog's start command at once.
        connect(window, &Contents::ContentsWindow::startCommandRequested, this, [this]() {
            if (Start *start = m_main.start().touch()) {
                if (auto *command = start->findChild<QPushButton *>(QStringLiteral("cmdStart")))
                    command->click();
            }
        });
        window->load();
        return window;
    });
    m_dictionary.setFactory([this]() {
        auto *window = new Dictionary::FrmLexiconEng(*m_dictionaryServices);
        window->load();
        return window;
    });
    m_about.setFactory([this]() { return new FrmAbout(*m_services.launcher); });
    m_practice.setFactory([this]() {
        auto *window = new Practice::PracticeWindow(*m_practiceServices);
        connect(window, &Practice::PracticeWindow::answerRecorded, this, &WindowDirector::refreshLearning);
        return window;
    });
    m_progress.setFactory([this]() -> Practice::ProgressWindow * {
        auto *window = new Practice::ProgressWindow(*m_practiceServices);
        if (!window->load()) {
            delete window;
            return nullptr;
        }
        return window;
    });

    connect(&main, &FrmMain::lessonWindowRequested, this, &WindowDirector::openLessonWindow);
    connect(&main, &FrmMain::contentsRequested, this, &WindowDirector::showContents);
    connect(&main, &FrmMain::aboutRequested, this, &WindowDirector::showAbout);
    connect(&main, &FrmMain::printRequested, this, &WindowDirector::printLesson);
    connect(&main, &FrmMain::programHelpRequested, this, &WindowDirector::programHelp);
    connect(&main, &FrmMain::grammarHelpRequested, this, &WindowDirector::grammarHelp);
    connect(&main, &FrmMain::unloading, this, &WindowDirector::releaseAll);
    connect(&main, &FrmMain::practiceLessonRequested, this, &WindowDirector::practiseLesson);
    connect(&main, &FrmMain::dueReviewRequested, this, &WindowDirector::reviewDue);
    connect(&main, &FrmMain::progressRequested, this, &WindowDirector::showProgress);
    connect(&main, &FrmMain::learningMenuAboutToShow, this, &WindowDirector::refreshLearning);
    connect(&main, &FrmMain::startDialogChanged, this, &WindowDirector::refreshLearning);
}

WindowDirector::~WindowDirector() = default;

template<typename Window>
Window *WindowDirector::openLesson(WindowSlot<Window> &slot, LessonWindowKind kind)
{
    if (Window *open = slot.get()) {
        m_main.showChild(open);
        return open;
    }
    Window *window = slot.touch();
    // The lesson this window shows, for "Practise this lesson".
    window->setProperty("lesson", m_services.state->currentLesson);
    connect(window, &Lessons::LessonWindowBase::startDialogRequested, &m_main, &FrmMain::ShowStartDialog);
    connect(window, &Lessons::LessonWindowBase::dictionaryRequested, this, &WindowDirector::showDictionary);
    // Next lesson: the window has closed itself; the next one of the same kind (the
    // alphabet hands over to the lesson window) loads in its place, one window per kind.
    connect(window, &Lessons::LessonWindowBase::nextLessonRequested, this, [this, kind, &slot]() {
        slot.release();
        openLessonWindow(kind == LessonWindowKind::Alphabet ? LessonWindowKind::Lesson : kind);
    }, Qt::QueuedConnection);
    m_main.showChild(window);
    window->load();
    return window;
}

void WindowDirector::openLessonWindow(LessonWindowKind kind)
{
    switch (kind) {
    case LessonWindowKind::Alphabet:
        openLesson(m_lektion1, kind);
        break;
    case LessonWindowKind::Lesson:
        openLesson(m_lektion2, kind);
        break;
    case LessonWindowKind::Third:
        openLesson(m_lektion3, kind);
        break;
    }
}

Lessons::LessonWindowBase *WindowDirector::lessonWindow(LessonWindowKind kind) const
{
    switch (kind) {
    case LessonWindowKind::Alphabet:
        return m_lektion1.get();
    case LessonWindowKind::Lesson:
        return m_lektion2.get();
    case LessonWindowKind::Third:
        return m_lektion3.get();
    }
    return nullptr;
}

Contents::ContentsWindow *WindowDirector::contents() const { return m_contents.get(); }
Dictionary::FrmLexiconEng *WindowDirector::dictionary() const { return m_dictionary.get(); }
FrmAbout *WindowDirector::about() const { return m_about.get(); }
Practice::PracticeWindow *WindowDirector::practice() const { return m_practice.get(); }
Practice::ProgressWindow *WindowDirector::progress() const { return m_progress.get(); }

int WindowDirector::practiceLesson() const
{
    QList<QWidget *> open;
    if (QMdiSubWindow *active = m_main.mdiArea()->activeSubWindow())
        open << active->widget();
    for (const auto kind : {LessonWindowKind::Lesson, LessonWindowKind::Third, LessonWindowKind::Alphabet})
        open << lessonWindow(kind);
    for (QWidget *window : std::as_const(open)) {
        const int lesson = window ? window->property("lesson").toInt() : 0;
        if (Course::isLesson(lesson))
            return lesson;
    }
    return Course::recentLesson(
        m_services.settings->read(Course::Settings::kApplication, Course::Settings::kSection, Course::Settings::kLesson));
}

void WindowDirector::showInCorner(QWidget *window)
{
    // Like the lesson windows, the practice windows stand in the frame's top left corner.
    m_main.showChild(window);
    if (auto *frame = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
        frame->move(0, 0);
}

void WindowDirector::startPractice(const std::function<bool(Practice::PracticeWindow &)> &start)
{
    if (!m_services.progress)
        return;
    Practice::PracticeWindow *window = m_practice.touch();
    showInCorner(window);
    // A learner who cannot practise has been told why; the window goes again.
    if (!start(*window))
        window->close();
    refreshLearning();
}

void WindowDirector::practiseLesson()
{
    const int lesson = practiceLesson();
    startPractice([lesson](Practice::PracticeWindow &window) { return window.startLesson(lesson); });
}

void WindowDirector::reviewDue()
{
    startPractice([](Practice::PracticeWindow &window) { return window.startDue(); });
}

void WindowDirector::showProgress()
{
    if (!m_services.progress)
        return;
    if (Practice::ProgressWindow *open = m_progress.get())
        open->refresh();
    if (Practice::ProgressWindow *window = m_progress.touch())
        showInCorner(window);
}

std::optional<int> WindowDirector::dueToday()
{
    Platform::ProgressStore *store = m_services.progress;
    // Before the first practice there is no file, and counting must not create one.
    if (!store || (!store->isOpen() && !QFileInfo::exists(store->path())))
        return std::nullopt;
    const auto tell = [](QWidget *parent, const QString &title, const QString &text) {
        QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent).exec();
    };
    if (!Practice::openProgress(*store, Practice::ProgressUse::Read, m_services.state->language(), tell, &m_main, true))
        return std::nullopt;
    const Platform::Result<int> due = store->dueCount(m_practiceServices->today());
    return due ? std::optional<int>(*due) : std::nullopt;
}

void WindowDirector::refreshLearning()
{
    const int language = m_services.state->language();
    const std::optional<int> due = dueToday();
    if (QAction *menu = m_main.entry(QStringLiteral("mnuLearning")))
        menu->setText(Practice::entryText(language, QStringLiteral("menu")));
    const std::pair<const char *, QString> entries[] = {
        {"mnuPractiseLesson", Practice::entryText(language, QStringLiteral("practiseLesson"))},
        {"mnuReviewDue", Practice::reviewDueCaption(language, due.value_or(0))},
        {"mnuMyProgress", Practice::entryText(language, QStringLiteral("myProgress"))},
    };
    for (const auto &[name, caption] : entries) {
        if (QAction *entry = m_main.entry(QLatin1String(name))) {
            entry->setText(caption);
            entry->setEnabled(m_services.progress != nullptr);
        }
    }
    if (QAction *review = m_main.entry(QStringLiteral("mnuReviewDue")))
        review->setEnabled(m_services.progress && due.value_or(0) > 0);
    if (Start *start = m_main.start().get())
        start->showDueToday(Practice::dueTodayLine(language, due.value_or(0)));
    if (Practice::ProgressWindow *window = m_progress.get())
        window->refresh();
}

void WindowDirector::showTopLevel(QWidget *window)
{
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowDirector::showContents() { showTopLevel(m_contents.touch()); }
void WindowDirector::showDictionary() { showTopLevel(m_dictionary.touch()); }
void WindowDirector::showAbout() { showTopLevel(m_about.touch()); }

void WindowDirector::printLesson()
{
    if (!m_print)
        return;
    if (m_print->print().failed()) {
        auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Veskora"), m_print->errorText(),
                                    QMessageBox::Ok, &m_main);
        box->setObjectName(QStringLiteral("printError"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    }
}

void WindowDirector::programHelp() { m_help->chooseProgramHelp(); }
void WindowDirector::grammarHelp() { m_help->chooseGrammarHelp(); }

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
    m_practice.release();
    m_progress.release();
    m_lektion1.release();
    m_lektion2.release();
    m_lektion3.release();
}

} // namespace Shell
