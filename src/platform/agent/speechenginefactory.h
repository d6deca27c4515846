// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <memory>

#include <QString>

#include "platform/core/apppaths.h"

namespace Platform {

class SpeechEngine;

/// The speech engine of the character service: libespeak-ng with the Russian voice's
/// pronunciation corrections from the application folder. The one place an engine is
/// built; call it on the thread that will use the engine (SpeechWorker does). Never fails:
/// a synthesiser that cannot start gives an engine without voices.
std::unique_ptr<SpeechEngine> makeSpeechEngine(const AppPaths &paths);

/// Festival's Russian voice with the stress lexicon of \a lexiconPath, loaded on the
/// calling thread (seconds), which must be the one that uses and destroys it. Only one per
/// process can ever start. Returns nullptr, with the reason in \a problem, when it cannot
/// speak.
std::unique_ptr<SpeechEngine> makeFestivalEngine(const QString &lexiconPath, QString *problem);

} // namespace Platform
