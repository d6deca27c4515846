// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/courseservices.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewDialog>

#include "course/captiontable.h"
#include "course/coursefiles.h"
#include "course/learningchoices.h"
#include "course/programstate.h"
#include "course/settingskeys.h"
#include "platform/agent/charactersettingsstore.h"
#include "platform/agent/geniecharacterservice.h"
#include "platform/audio/qtsoundplayer.h"
#include "platform/audio/qtsoundrecorder.h"
#include "platform/audio/recordingstore.h"
#include "platform/database/sqlcipherdatabaseengine.h"
#include "platform/help/chmhelpviewer.h"
#include "platform/progress/sqliteprogressstore.h"
#include "platform/report/reportengineqt.h"
#include "platform/settings/inisettingsstore.h"
#include "shell/charactersettingstexts.h"
#include "shell/settingsnotice.h"
#include "shell/soundnotice.h"

namespace Shell {

CourseServices::CourseServices(const Platform::AppPaths &paths, Course::ProgramState &state,
                               Platform::SettingsStore &settings, Platform::ProcessLauncher &launcher, quint32 localeId)
    : m_settings(std::make_unique<NoticingSettingsStore>(settings, state))
    , m_databases(std::make_unique<Platform::SqlCipherDatabaseEngine>(Course::Files::kKeyRounds))
    , m_characterSettings(std::make_unique<Platform::CharacterSettingsStore>())
    , m_characters(std::make_unique<Platform::GenieCharacterService>(paths, *m_characterSettings))
    , m_help(std::make_unique<Platform::ChmHelpViewer>())
    , m_reports(std::make_unique<Platform::ReportEngineQt>(*m_databases))
    , m_progress(std::make_unique<Platform::SqliteProgressStore>(Platform::SqliteProgressStore::defaultPath()))
    // Beside the course's settings file, in the same folder.
    , m_learningSettings(std::make_unique<Platform::IniSettingsStore>(Platform::IniSettingsStore::forFile(
          QFileInfo(Platform::IniSettingsStore::filePath(Course::Settings::kApplication))
              .dir()
              .filePath(Course::LearningKeys::kFileName))))
    , m_recorder(std::make_unique<Platform::QtSoundRecorder>())
    , m_player(std::make_unique<Platform::QtSoundPlayer>())
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
    m_help->setProblemTexts([&state](Platform::HelpProblem problem) {
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
    });
    showSoundProblems(*m_characters, state);
    translateCharacterSettings(*m_characters, state);
}

CourseServices::~CourseServices() = default;

} // namespace Shell
