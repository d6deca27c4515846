// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/courseservices.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>

#include "course/captiontable.h"
#include "course/coursefiles.h"
#include "course/learningchoices.h"
#include "course/programstate.h"
#include "course/settingskeys.h"
#include "platform/audio/recordingstore.h"
#include "platform/audio/soundmodule.h"
#include "platform/modules/adaptermodules.h"
#include "platform/modules/deferredadapters.h"
#include "platform/modules/deferredcharacterservice.h"
#include "platform/modules/deferredsound.h"
#include "platform/settings/inisettingsstore.h"
#include "platform/ui/firstpaint.h"
#include "shell/charactersettingstexts.h"
#include "shell/settingsnotice.h"
#include "shell/soundnotice.h"

namespace Shell {

namespace {

/// The help window's explanation of \a problem in the language of the moment.
QString helpProblemText(const Course::ProgramState &state, Platform::HelpProblem problem)
{
    const char *key = "helpPageTooLarge";
    switch (problem) {
    case Platform::HelpProblem::FileMissing:
        key = "helpFileMissing";
        break;
    case Platform::HelpProblem::FileUnreadable:
        key = "helpFileUnreadable";
        break;
    case Platform::HelpProblem::PageMissing:
        key = "helpPageMissing";
        break;
    case Platform::HelpProblem::PageTooLarge:
        break;
    }
    return Course::CaptionTable::builtIn(QStringLiteral("notices"))
        .textOrEnglish(state.language(), QString::fromLatin1(key));
}

} // namespace

CourseServices::CourseServices(const Platform::AppPaths &paths, Course::ProgramState &state,
                               Platform::SettingsStore &settings, Platform::ProcessLauncher &launcher, quint32 localeId,
                               Platform::AdapterModules &modules)
    : m_modules(modules)
    , m_settings(std::make_unique<NoticingSettingsStore>(settings, state))
    , m_databases(std::make_unique<Platform::DeferredDatabaseEngine>(modules, Course::Files::kKeyRounds))
    , m_characters(std::make_unique<Platform::DeferredCharacterService>(modules, paths))
    , m_help(std::make_unique<Platform::DeferredHelpViewer>(modules))
    , m_reports(std::make_unique<Platform::DeferredReportEngine>(modules, *m_databases))
    , m_progress(std::make_unique<Platform::DeferredProgressStore>(modules, Platform::defaultProgressPath()))
    // Beside the course's settings file, in the same folder.
    , m_learningSettings(std::make_unique<Platform::IniSettingsStore>(Platform::IniSettingsStore::forFile(
          QFileInfo(Platform::IniSettingsStore::filePath(Course::Settings::kApplication))
              .dir()
              .filePath(Course::LearningKeys::kFileName))))
    , m_recorder(std::make_unique<Platform::DeferredSoundRecorder>())
    , m_player(std::make_unique<Platform::DeferredSoundPlayer>())
    , m_recordings(std::make_unique<Platform::RecordingStore>(Platform::RecordingStore::defaultFolder()))
{
    m_services.state = &state;
    m_services.settings = m_settings.get();
    m_services.launcher = &launcher;
    m_services.characters = m_characters.get();
    m_services.databases = m_databases.get();
    m_services.help = m_help.get();
    m_services.reports = m_reports.get();
    m_services.progress = m_progress.get();
    m_services.learningSettings = m_learningSettings.get();
    m_services.recorder = m_recorder.get();
    m_services.player = m_player.get();
    m_services.recordings = m_recordings.get();
    m_services.paths = paths;
    m_services.strings = Resources::StringTable::menuStrings().forLocale(localeId);

    // The help window explains a missing file or page, or one too large to show, in the
    // language of the moment.
    m_help->setProblemTexts([&state](Platform::HelpProblem problem) { return helpProblemText(state, problem); });
    showSoundProblems(*m_characters, state);
    m_characters->setSettingsTexts(characterSettingsTexts(state));
}

CourseServices::~CourseServices() = default;

void CourseServices::warmUpAfterFirstPaint(QWidget &window)
{
    new Platform::FirstPaintWatcher(
        window,
        [this] {
            m_modules.warmUp();
            // The first practice item asks for the sound input and the genie's melody.
            Platform::preloadSoundModule();
            // The worker only loads libraries; the adapters are made here, on this thread, once
            // it is done. Asking now and then spares the worker any reference to this object.
            m_loadWatch = std::make_unique<QTimer>();
            m_loadWatch->setInterval(10);
            QObject::connect(m_loadWatch.get(), &QTimer::timeout, m_loadWatch.get(), [this] { makeWhenLoaded(); });
            m_loadWatch->start();
        },
        1000);
}

void CourseServices::makeWhenLoaded()
{
    if (!m_modules.isReady())
        return;
    m_loadWatch->stop();
    // The lesson database's key is made now, in the background: a lesson opened in the
    // next moments does not wait for it.
    m_databases->prepareKey(m_services.paths.join(Course::Files::kLessons), Course::Files::kPassword);
    m_characters->target();
    m_warm = true;
}

} // namespace Shell
