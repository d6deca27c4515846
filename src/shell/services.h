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
class ReportEngine;
class SettingsStore;
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
    Platform::AppPaths paths;
    /// The menu string table, already narrowed to the desktop's locale.
    Resources::StringTable strings;
};

} // namespace Shell
