// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include "shell/services.h"

class QTimer;
class QWidget;

namespace Platform {
class AdapterModules;
class DeferredCharacterService;
class DeferredDatabaseEngine;
class DeferredHelpViewer;
class DeferredProgressStore;
class DeferredReportEngine;
class IniSettingsStore;
class DeferredSoundPlayer;
class DeferredSoundRecorder;
class RecordingStore;
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
///
/// The adapters with heavy libraries come from \a modules, and the sound input and playback
/// from the sound module (Platform::soundModule()): each is made at its first use, so nothing
/// of their libraries is loaded before the first window unless it is used there.
class CourseServices final {
public:
    CourseServices(const Platform::AppPaths &paths, Course::ProgramState &state, Platform::SettingsStore &settings,
                   Platform::ProcessLauncher &launcher, quint32 localeId, Platform::AdapterModules &modules);
    ~CourseServices();
    CourseServices(const CourseServices &) = delete;
    CourseServices &operator=(const CourseServices &) = delete;

    Services &services() { return m_services; }
    Platform::DeferredCharacterService &characters() const { return *m_characters; }
    Platform::DeferredDatabaseEngine &databases() const { return *m_databases; }
    Platform::DeferredHelpViewer &help() const { return *m_help; }
    Platform::DeferredReportEngine &reports() const { return *m_reports; }

    /// Loads the modules on a worker thread once \a window has been painted for the first
    /// time and then makes the character service and the database engine, so that the first
    /// lesson finds them ready; the sound module loads on a worker of its own, for the first
    /// practice item. \a window must not outlive this object.
    void warmUpAfterFirstPaint(QWidget &window);
    /// True once the warm-up has made the character service and the database engine.
    bool isWarm() const { return m_warm; }

private:
    void makeWhenLoaded();

    Platform::AdapterModules &m_modules;
    std::unique_ptr<QTimer> m_loadWatch;
    bool m_warm = false;
    std::unique_ptr<NoticingSettingsStore> m_settings;
    std::unique_ptr<Platform::DeferredDatabaseEngine> m_databases;
    std::unique_ptr<Platform::DeferredCharacterService> m_characters;
    std::unique_ptr<Platform::DeferredHelpViewer> m_help;
    std::unique_ptr<Platform::DeferredReportEngine> m_reports;
    std::unique_ptr<Platform::DeferredProgressStore> m_progress;
    std::unique_ptr<Platform::IniSettingsStore> m_learningSettings;
    std::unique_ptr<Platform::DeferredSoundRecorder> m_recorder;
    std::unique_ptr<Platform::DeferredSoundPlayer> m_player;
    std::unique_ptr<Platform::RecordingStore> m_recordings;
    Services m_services;
};

} // namespace Shell
