// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include "platform/core/apppaths.h"
#include "resources/stringtable.h"

namespace Course {
struct ProgramState;
}
namespace Platform {
class CharacterService;
class DatabaseEngine;
class HelpViewer;
class ProcessLauncher;
class ProgressStore;
class RecordingStore;
class ReportEngine;
class SettingsStore;
class SoundPlayer;
class SoundRecorder;
} // namespace Platform

namespace Shell {

/// What the windows of the course program need from outside, built by main() (or by a
/// test with doubles). Nothing here is owned.
struct Services {
    Course::ProgramState *state = nullptr;
    Platform::SettingsStore *settings = nullptr;
    Platform::ProcessLauncher *launcher = nullptr;
    Platform::CharacterService *characters = nullptr;
    Platform::DatabaseEngine *databases = nullptr;
    Platform::HelpViewer *help = nullptr;
    Platform::ReportEngine *reports = nullptr;
    /// The learner's practice progress; may be null (no practice).
    Platform::ProgressStore *progress = nullptr;
    /// The learner's choices file (Learning.ini). Without it the choices keep their
    /// defaults and the Learning menu offers none.
    Platform::SettingsStore *learningSettings = nullptr;
    /// The learner's voice: the sound input, the playback and the kept recordings. Without a
    /// recorder the practice window cannot record; without a store nothing is kept and the
    /// Learning menu offers no "Keep my recordings".
    Platform::SoundRecorder *recorder = nullptr;
    Platform::SoundPlayer *player = nullptr;
    Platform::RecordingStore *recordings = nullptr;
    Platform::AppPaths paths;
    /// The menu string table, already narrowed to the desktop's locale.
    Resources::StringTable strings;
};

} // namespace Shell
