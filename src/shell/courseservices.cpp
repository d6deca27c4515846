// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/courseservices.h"

#include <QPrintPreviewDialog>

#include "course/coursefiles.h"
#include "platform/agent/charactersettingsstore.h"
#include "platform/agent/geniecharacterservice.h"
#include "platform/database/sqlcipherdatabaseengine.h"
#include "platform/help/chmhelpviewer.h"
#include "platform/progress/sqliteprogressstore.h"
#include "platform/report/reportengineqt.h"
#include "shell/soundnotice.h"

namespace Shell {

CourseServices::CourseServices(const Platform::AppPaths &paths, Course::ProgramState &state,
                               Platform::SettingsStore &settings, Platform::ProcessLauncher &launcher, quint32 localeId)
    : m_databases(std::make_unique<Platform::SqlCipherDatabaseEngine>(Course::Files::kKeyRounds))
    , m_characterSettings(std::make_unique<Platform::CharacterSettingsStore>())
    , m_characters(std::make_unique<Platform::GenieCharacterService>(paths, *m_characterSettings))
    , m_help(std::make_unique<Platform::ChmHelpViewer>())
    , m_reports(std::make_unique<Platform::ReportEngineQt>(*m_databases))
    , m_progress(std::make_unique<Platform::SqliteProgressStore>(Platform::SqliteProgressStore::defaultPath()))
{
    m_services.state = &state;
    m_services.settings = &settings;
    m_services.launcher = &launcher;
    m_services.characters = m_characters.get();
    m_services.databases = m_databases.get();
    m_services.help = m_help.get();
    m_services.reports = m_reports.get();
    m_services.progress = m_progress.get();
    m_services.paths = paths;
    m_services.strings = Resources::StringTable::menuStrings().forLocale(localeId);
    showSoundProblems(*m_characters, state);
}

CourseServices::~CourseServices() = default;

} // namespace Shell
