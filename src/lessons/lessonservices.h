// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include "platform/core/apppaths.h"

namespace Course {
class LearningChoicesNotifier;
class StressTable;
struct ProgramState;
} // namespace Course
namespace Platform {
class SettingsStore;
class CharacterService;
class DatabaseEngine;
class ProcessLauncher;
} // namespace Platform

namespace Lessons {

/// What the shell hands to every lesson window. The pointers are not owned and must
/// outlive the windows built from them; the windows read and write the program state
/// directly.
struct LessonServices {
    Course::ProgramState *state = nullptr;
    Platform::SettingsStore *settings = nullptr;
    Platform::CharacterService *characters = nullptr;
    Platform::DatabaseEngine *databases = nullptr;
    Platform::ProcessLauncher *launcher = nullptr;
    Platform::AppPaths paths;
    /// The course's stress table; may be null (the Russian text is shown without marks).
    const Course::StressTable *stress = nullptr;
    /// The learner's choices of how Russian is shown; may be null (the defaults hold).
    Course::LearningChoicesNotifier *learning = nullptr;
};

} // namespace Lessons
