// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/learningcommands.h"

#include <QAction>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>

#include "course/learningchoices.h"
#include "course/lessonrules.h"
#include "course/programstate.h"
#include "course/settingskeys.h"
#include "platform/progress/progressstore.h"
#include "platform/settings/settingsstore.h"
#include "practice/practicetexts.h"
#include "practice/practicewindow.h"
#include "practice/progressaccess.h"
#include "practice/progresswindow.h"
#include "practice/speakingservices.h"
#include "shell/frmmain.h"
#include "shell/services.h"

namespace Shell {

LearningCommands::LearningCommands(Services &services, FrmMain &main, OpenLessons openLessons, QObject *parent)
    : QObject(parent)
    , m_services(services)
    , m_main(main)
    , m_openLessons(std::move(openLessons))
    , m_practiceServices(std::make_unique<Practice::PracticeServices>())
{
    m_practiceServices->state = services.state;
    m_practiceServices->settings = services.settings;
    m_practiceServices->characters = services.characters;
    m_practiceServices->databases = services.databases;
    m_practiceServices->progress = services.progress;
    m_practiceServices->paths = services.paths;
    if (services.recorder) {
        m_speaking = std::make_unique<Practice::SpeakingServices>();
        *m_speaking = {services.recorder, services.player, services.recordings, {}, {}};
        m_practiceServices->speaking = m_speaking.get();
    }

    m_practice.setFactory([this]() {
        auto *window = new Practice::PracticeWindow(*m_practiceServices);
        connect(window, &Practice::PracticeWindow::answerRecorded, this, &LearningCommands::refresh);
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

    QMenu *menu = main.learningMenu();
    const std::pair<const char *, void (LearningCommands::*)()> entries[] = {
        {"mnuPractiseLesson", &LearningCommands::practiseLesson},
        {"mnuReviewDue", &LearningCommands::reviewDue},
        {"mnuMyProgress", &LearningCommands::showProgress},
    };
    for (const auto &[name, command] : entries) {
        QAction *entry = menu->addAction(QString());
        entry->setObjectName(QLatin1String(name));
        connect(entry, &QAction::triggered, this, command);
    }
    // The frame words its menus anew whenever the language changes and before the Learning
    // menu opens; the due count is read then too. It waits for the event loop: the start
    // dialog that shows it may still be loading, and a message about the progress file must
    // come in front of a frame that is up.
    connect(&main, &FrmMain::interfaceLanguageChanged, this,
            [this] { QMetaObject::invokeMethod(this, &LearningCommands::refresh, Qt::QueuedConnection); });
    connect(menu, &QMenu::aboutToShow, this, &LearningCommands::refresh);
}

LearningCommands::~LearningCommands() = default;

void LearningCommands::setRussianDisplay(const Practice::RussianDisplay &display)
{
    m_practiceServices->russian = display;
    if (m_speaking) {
        m_speaking->stress = display.stressTable;
        m_speaking->keepRecordings = [choices = display.choices] { return Course::choicesOf(choices).keepRecordings; };
    }
}

Practice::PracticeWindow *LearningCommands::practice() const
{
    return m_practice.get();
}

Practice::ProgressWindow *LearningCommands::progress() const
{
    return m_progress.get();
}

int LearningCommands::practiceLesson() const
{
    QList<QWidget *> open;
    if (QMdiSubWindow *active = m_main.mdiArea()->activeSubWindow())
        open << active->widget();
    if (m_openLessons)
        open += m_openLessons();
    for (QWidget *window : std::as_const(open)) {
        const int lesson = window ? window->property("lesson").toInt() : 0;
        if (Course::isLesson(lesson))
            return lesson;
    }
    return Course::recentLesson(m_services.settings->read(Course::Settings::kApplication, Course::Settings::kSection,
                                                          Course::Settings::kLesson));
}

void LearningCommands::showInCorner(QWidget *window)
{
    // Like the lesson windows, the practice windows stand in the frame's top left corner.
    m_main.showChild(window);
    if (auto *frame = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
        frame->move(0, 0);
}

void LearningCommands::startPractice(const std::function<bool(Practice::PracticeWindow &)> &start)
{
    if (!m_services.progress)
        return;
    Practice::PracticeWindow *window = m_practice.touch();
    showInCorner(window);
    // A learner who cannot practise has been told why; the window goes again.
    if (!start(*window))
        window->close();
    refresh();
}

void LearningCommands::practiseLesson()
{
    const int lesson = practiceLesson();
    startPractice([lesson](Practice::PracticeWindow &window) { return window.startLesson(lesson); });
}

void LearningCommands::reviewDue()
{
    startPractice([](Practice::PracticeWindow &window) { return window.startDue(); });
}

void LearningCommands::showProgress()
{
    if (!m_services.progress)
        return;
    if (Practice::ProgressWindow *open = m_progress.get())
        open->refresh();
    if (Practice::ProgressWindow *window = m_progress.touch())
        showInCorner(window);
}

std::optional<int> LearningCommands::dueToday()
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

void LearningCommands::refresh()
{
    const int language = m_services.state->language();
    const std::optional<int> due = dueToday();
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

void LearningCommands::release()
{
    m_practice.release();
    m_progress.release();
}

} // namespace Shell
