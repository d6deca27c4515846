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
class CharacterService;
class DatabaseEngine;
} // namespace Platform

namespace Dictionary {

/// What the dictionary window needs from the program. None of it is owned: the shell keeps
/// every service alive for as long as the window exists.
struct DictionaryServices {
    /// Read at load for the interface language; must not be null.
    Course::ProgramState *state = nullptr;
    /// The character service behind the window's own Agent control. May be null, in which
    /// case the window works without the character.
    Platform::CharacterService *characters = nullptr;
    /// Opens Lexikon.mdb for the window's data source; must not be null.
    Platform::DatabaseEngine *databases = nullptr;
    /// The application folder that holds Lexikon.mdb.
    Platform::AppPaths paths;
    /// The course's stress table. May be null: the rows are then shown without stress marks
    /// and spoken without their own stress decisions.
    const Course::StressTable *stress = nullptr;
    /// The learner's choices of how Russian is shown; may be null (the defaults hold).
    Course::LearningChoicesNotifier *learning = nullptr;
};

} // namespace Dictionary
