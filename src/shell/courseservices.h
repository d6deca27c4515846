// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include "shell/services.h"

namespace Platform {
class CharacterSettingsStore;
class ChmHelpViewer;
class GenieCharacterService;
class IniSettingsStore;
class QtSoundPlayer;
class QtSoundRecorder;
class RecordingStore;
class ReportEngineQt;
class SqlCipherDatabaseEngine;
class SqliteProgressStore;
} // namespace Platform

namespace Shell {

class NoticingSettingsStore;

/// The course program's real services over an application folder: the database engine,
/// the character service with its own settings file, the help viewer, the report engine,
/// the learner's progress store, the learner's choices file
/// ($XDG_CONFIG_HOME/Veskora/Learning.ini), the sound input and playback of the learner's
/// voice and their kept recordings ($XDG_DATA_HOME/Veskora/recordings), with the settings
/// store, the process launcher and the program state that the caller owns. The windows save
/// settings through a NoticingSettingsStore over the caller's store, so the learner hears
/// once when the settings cannot be saved.
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
    std::unique_ptr<NoticingSettingsStore> m_settings;
    std::unique_ptr<Platform::SqlCipherDatabaseEngine> m_databases;
    std::unique_ptr<Platform::CharacterSettingsStore> m_characterSettings;
    std::unique_ptr<Platform::GenieCharacterService> m_characters;
    std::unique_ptr<Platform::ChmHelpViewer> m_help;
    std::unique_ptr<Platform::ReportEngineQt> m_reports;
    std::unique_ptr<Platform::SqliteProgressStore> m_progress;
    std::unique_ptr<Platform::IniSettingsStore> m_learningSettings;
    std::unique_ptr<Platform::QtSoundRecorder> m_recorder;
    std::unique_ptr<Platform::QtSoundPlayer> m_player;
    std::unique_ptr<Platform::RecordingStore> m_recordings;
    Services m_services;
};

} // namespace Shell
