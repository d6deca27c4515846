// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include "shell/services.h"

namespace Platform {
class CharacterSettingsStore;
class ChmHelpViewer;
class GenieCharacterService;
class ReportEngineQt;
class SqlCipherDatabaseEngine;
class SqliteProgressStore;
} // namespace Platform

namespace Shell {

/// The course program's real services over an application folder: the database engine,
/// the character service with its own settings file, the help viewer and the report engine,
/// the learner's progress store, with the settings store, the process launcher and the
/// program state that the caller owns.
class CourseServices final {
public:
    CourseServices(const Platform::AppPaths &paths, Course::ProgramState &state, Platform::SettingsStore &settings,
                   Platform::ProcessLauncher &launcher, quint32 localeId);
    ~CourseServices();
    CourseServices(const CourseServices &) = delete;
    CourseServices &operator=(const CourseServices &) = delete;

    Services &services() { return m_services; }
    Platform::ChmHelpViewer &help() const { return *m_help; }
    Platform::ReportEngineQt &reports() const { return *m_reports; }

private:
    std::unique_ptr<Platform::SqlCipherDatabaseEngine> m_databases;
    std::unique_ptr<Platform::CharacterSettingsStore> m_characterSettings;
    std::unique_ptr<Platform::GenieCharacterService> m_characters;
    std::unique_ptr<Platform::ChmHelpViewer> m_help;
    std::unique_ptr<Platform::ReportEngineQt> m_reports;
    std::unique_ptr<Platform::SqliteProgressStore> m_progress;
    Services m_services;
};

} // namespace Shell
