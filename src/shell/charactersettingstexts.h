// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include "platform/agent/agentsettingsdialog.h"

namespace Course {
struct ProgramState;
}
namespace Platform {
class GenieCharacterService;
}

namespace Shell {

/// The character's settings dialog in \a language (an interface language code; English for
/// any other value), from the caption table "charactersettings".
Platform::CharacterSettingsTexts characterSettingsTexts(int language);

/// Gives \a characters' settings dialog the interface language of \a state each time it
/// opens.
void translateCharacterSettings(Platform::GenieCharacterService &characters, const Course::ProgramState &state);

} // namespace Shell
