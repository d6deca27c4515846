// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/windowdirector.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "contents/contentswindow.h"
#include "course/programstate.h"
#include "course/recordingskeys.h"
#include "course/settingskeys.h"
#include "course/stresstable.h"
#include "dictionary/dictionaryservices.h"
#include "dictionary/frmlexiconeng.h"
#include "lessons/lektion1.h"
#include "lessons/lektion2.h"
#include "lessons/lektion3.h"
#include "lessons/lessonservices.h"
#include "platform/audio/qtsoundplayer.h"
#include "platform/audio/qtsoundrecorder.h"
#include "platform/audio/recordingstore.h"
#include "platform/settings/inisettingsstore.h"
#include "shell/frmabout.h"
#include "shell/frmmain.h"
#include "shell/helpcommands.h"
#include "shell/learningcommands.h"
#include "shell/logging.h"
#include "shell/printlesson.h"
#include "shell/recordingschoice.h"
#include "shell/services.h"
#include "speaking/speakingservices.h"

namespace Shell {

struct WindowDirector::Voice {
    // The learner's choices file lies beside the course's settings file.
    Platform::IniSettingsStore learningSettings = Platform::IniSettingsStore::forFile(
        QFileInfo(Platform::IniSettingsStore::filePath(Course::Settings::kApplication))
            .dir()
            .filePath(Course::RecordingsKeys::kFileName));
    Platform::RecordingStore recordings{Platform::RecordingStore::defaultFolder()};
    Platform::QtSoundRecorder recorder;
    Platform::QtSoundPlayer player;
    Speaking::SpeakingServices speaking;
    std::unique_ptr<RecordingsChoice> choice;
};

WindowDirector::WindowDirector(Services &services, FrmMain &main, QObject *parent)
    : QObject(parent)
    , m_services(services)
    , m_main(main)
    , m_lessonServices(std::make_unique<Lessons::LessonServices>())
    , m_dictionaryServices(std::make_unique<Dictionary::DictionaryServices>())
    , m_help(std::make_unique<HelpCommands>(*services.state, services.paths))
    , m_voice(std::make_unique<Voice>())
{
    *m_lessonServices = {services.state,     services.settings, services.characters,
                         services.databases, services.launcher, services.paths};
    *m_dictionaryServices = {services.state, services.characters, services.databases, services.paths};
    if (services.reports)
        m_print = std::make_unique<PrintLesson>(*services.reports, *services.state, services.paths);

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
        m_dictionaryServices->stress = stress();
        auto *window = new Dictionary::FrmLexiconEng(*m_dictionaryServices);
        window->load();
        return window;
    });
    m_about.setFactory([this]() { return new FrmAbout(*m_services.launcher); });
    m_learning = std::make_unique<LearningCommands>(services, main, [this] {
        return QList<QWidget *>{lessonWindow(Course::LessonWindowKind::Lesson),
                                lessonWindow(Course::LessonWindowKind::Third),
                                lessonWindow(Course::LessonWindowKind::Alphabet)};
    });

    m_voice->choice = std::make_unique<RecordingsChoice>(*main.learningMenu(), m_voice->learningSettings,
                                                         m_voice->recordings, *services.state);
    m_voice->speaking = {&m_voice->recorder, &m_voice->player, &m_voice->recordings, [this] { return stress(); },
                         [this] { return m_voice->choice->keeps(); }};
    m_learning->setSpeaking(&m_voice->speaking);
    connect(&main, &FrmMain::interfaceLanguageChanged, m_voice->choice.get(), &RecordingsChoice::setLanguage);
    connect(&main, &FrmMain::lessonWindowRequested, this, &WindowDirector::openLessonWindow);
    connect(&main, &FrmMain::contentsRequested, this, &WindowDirector::showContents);
    connect(&main, &FrmMain::aboutRequested, this, &WindowDirector::showAbout);
    connect(&main, &FrmMain::printRequested, this, &WindowDirector::printLesson);
    connect(&main, &FrmMain::programHelpRequested, this, &WindowDirector::programHelp);
    connect(&main, &FrmMain::grammarHelpRequested, this, &WindowDirector::grammarHelp);
    connect(&main, &FrmMain::unloading, this, &WindowDirector::releaseAll);
}

WindowDirector::~WindowDirector() = default;

RecordingsChoice &WindowDirector::recordingsChoice() const
{
    return *m_voice->choice;
}

const Course::StressTable *WindowDirector::stress()
{
    // The stress table is read when a window first needs it, not at start-up.
    if (!m_stress)
        m_stress = std::make_unique<Course::StressTable>(
            Course::StressTable::fromFile(m_services.paths.join(QStringLiteral("\\stress.tsv"))));
    return m_stress.get();
}

template<typename Window>
Window *WindowDirector::openLesson(WindowSlot<Window> &slot, Course::LessonWindowKind kind)
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
    m_learning->release();
    m_lektion1.release();
    m_lektion2.release();
    m_lektion3.release();
}

} // namespace Shell
