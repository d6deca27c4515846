// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/speechenginefactory.h"

#include "platform/agent/espeakspeechengine.h"
#include "platform/agent/pronunciationlexicon.h"

namespace Platform {

std::unique_ptr<SpeechEngine> makeSpeechEngine(const AppPaths &paths)
{
    auto espeak = std::make_unique<EspeakSpeechEngine>();
    espeak->setRussianLexicon(PronunciationLexicon::fromFile(paths.join(QStringLiteral("\\pronunciation\\ru.tsv"))));
    return espeak;
}

} // namespace Platform
