// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/courseservices.h"

#include <QPrintPreviewDialog>

#include "platform/agent/geniecharacterservice.h"
#include "platform/database/sqlcipherdatabaseengine.h"
#include "course/coursefiles.h"
#include "platform/help/chmhelpviewer.h"
#include "platform/report/reportengineqt.h"
#include "shell/settingsnotice.h"

namespace Shell {

CourseServices::CourseServices(const Platform::AppPaths &paths, Course::ProgramState &state,
                               Platform::SettingsStore &settings, Platform::ProcessLauncher &launcher, quint32 localeId)
    : m_settings(std::make_unique<NoticingSettingsStore>(settings, state))
    , m_databases(std::make_unique<Platform::SqlCipherDatabaseEngine>(Course::Files::kKeyRounds))
    , m_characters(std::make_unique<Platform::GenieCharacterService>(paths, *m_settings))
    , m_help(std::make_unique<Platform::ChmHelpViewer>())
    , m_reports(std::make_unique<Platform::ReportEngineQt>(*m_databases))
{
    m_services.state = &state;
    m_services.settings = m_settings.get();
    m_services.launcher = &launcher;
    m_services.characters = m_characters.get();
    m_services.databases = m_databases.get();
    m_services.help = m_help.get();
    m_services.reports = m_reports.get();
    m_services.paths = paths;
    m_services.strings = Resources::StringTable::menuStrings().forLocale(localeId);

}

CourseServices::~CourseServices() = default;

} // namespace Shell
