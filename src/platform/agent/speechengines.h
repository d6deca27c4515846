// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include <QString>

namespace Platform {

class BackgroundSpeechEngine;
class SpeechEngine;

/// Where the character service's synthesisers are made, and nowhere else.

/// eSpeak NG with the Russian corrections of \a russianLexiconPath.
std::unique_ptr<SpeechEngine> makeEspeakEngine(const QString &russianLexiconPath);

/// True when this build speaks through Festival at all.
bool festivalBuiltIn();

/// The process's one Festival voice, loading on its own thread from the first call on,
/// with the stress lexicon of \a lexiconPath (only the first call's counts). Kept for the
/// life of the process: Festival cannot be started twice. In a build without Festival the
/// engine fails at once, saying so.
std::shared_ptr<BackgroundSpeechEngine> festivalVoice(const QString &lexiconPath);

} // namespace Platform
