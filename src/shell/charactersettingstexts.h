// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>

#include "platform/agent/agentsettingsdialog.h"

namespace Course {
struct ProgramState;
}

namespace Shell {

/// The character's settings dialog in \a language (an interface language code; English for
/// any other value), from the caption table "charactersettings".
Platform::CharacterSettingsTexts characterSettingsTexts(int language);

/// The character's settings dialog in the interface language of \a state at the moment it
/// is asked, for the dialog to ask each time it opens.
std::function<Platform::CharacterSettingsTexts()> characterSettingsTexts(const Course::ProgramState &state);

} // namespace Shell
