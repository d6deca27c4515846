// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/speechenginefactory.h"

#include "platform/agent/espeakspeechengine.h"
#include "platform/agent/pronunciationlexicon.h"
#ifdef VESKORA_WITH_FESTIVAL
#include "platform/agent/festivalspeechengine.h"
#endif

namespace Platform {

std::unique_ptr<SpeechEngine> makeSpeechEngine(const AppPaths &paths)
{
    auto espeak = std::make_unique<EspeakSpeechEngine>();
    espeak->setRussianLexicon(PronunciationLexicon::fromFile(paths.join(QStringLiteral("\\pronunciation\\ru.tsv"))));
    return espeak;
}

std::unique_ptr<SpeechEngine> makeFestivalEngine(const QString &lexiconPath, QString *problem)
{
#ifdef VESKORA_WITH_FESTIVAL
    auto festival = std::make_unique<FestivalSpeechEngine>(lexiconPath);
    if (festival->isAvailable())
        return festival;
    *problem = festival->problem();
#else
    Q_UNUSED(lexiconPath)
    *problem = QStringLiteral("this build has no Festival");
#endif
    return nullptr;
}

} // namespace Platform
