// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

namespace Course {
struct ProgramState;
}
namespace Platform {
class CharacterService;
}

namespace Shell {

/// What the learner is told when speech cannot be heard, in \a language (an interface
/// language code; English for any other value), from the caption table "shell".
QString soundUnavailableText(int language);

/// Tells the learner, in the interface language of \a state at that moment, when
/// \a characters reports that speech cannot be heard (it reports that once a run). The box
/// does not wait for an answer: lessons go on with the balloon.
void showSoundProblems(Platform::CharacterService &characters, const Course::ProgramState &state);

} // namespace Shell
