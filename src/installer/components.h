// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QString>

namespace Installer {

class ComponentProbe;

/// The speech components that the installer's six setup programs stand for on this system.
enum class Component {
    CharacterService, ///< MSAgent: the speech library the character service loads
    CharacterFile, ///< Genie: characters/Genie.acs in the course folder
    EnglishVoice, ///< tv_enua: the English espeak-ng voice
    RussianVoice, ///< lhttsrur: the Russian espeak-ng voice
    CyrillicFonts, ///< AgtX0419: fonts with Cyrillic letters
    SpeechSettings, ///< spchcpl: the character service's speech settings
};

/// One component program: the name it is installed under, the string id of its title and
/// the Debian packages that provide the component (empty when no package does).
struct ComponentInfo {
    Component component;
    const char *program;
    int titleId;
    const char *packages;
};

/// The component a program started as \a programPath stands for: its file name without
/// the folder and without an ".exe" ending, compared without regard to case. nullptr for
/// any other name.
const ComponentInfo *componentForProgram(const QString &programPath);

/// What a check found on this machine.
struct Finding {
    bool present = false;
    /// Where the component was found (a file, a library, font families); empty if missing.
    QString detail;
    /// Whether a sound device is there (only the character service's check asks).
    bool soundOutput = true;
    /// The Russian voice's check only: where Festival's natural Russian voice lies, empty
    /// when it is not installed (it is optional: eSpeak NG's voice is the one needed).
    QString naturalVoice = {};
};

/// The Debian package of Festival's natural Russian voice.
inline constexpr const char *kNaturalRussianVoicePackage = "festvox-ru";

/// Checks \a component on this machine.
Finding checkComponent(Component component, const ComponentProbe &probe);

} // namespace Installer
