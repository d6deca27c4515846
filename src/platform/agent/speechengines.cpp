// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/speechengines.h"

#include <mutex>

#include "platform/agent/backgroundspeechengine.h"
#include "platform/agent/espeakspeechengine.h"
#include "platform/agent/pronunciationlexicon.h"
#ifdef VESKORA_WITH_FESTIVAL
#include "platform/agent/festivalspeechengine.h"
#endif

namespace Platform {

std::unique_ptr<SpeechEngine> makeEspeakEngine(const QString &russianLexiconPath)
{
    auto espeak = std::make_unique<EspeakSpeechEngine>();
    espeak->setRussianLexicon(PronunciationLexicon::fromFile(russianLexiconPath));
    return espeak;
}

bool festivalBuiltIn()
{
#ifdef VESKORA_WITH_FESTIVAL
    return true;
#else
    return false;
#endif
}

std::shared_ptr<BackgroundSpeechEngine> festivalVoice(const QString &lexiconPath)
{
    static std::mutex mutex;
    static std::shared_ptr<BackgroundSpeechEngine> voice;
    const std::lock_guard lock(mutex);
    if (!voice) {
        voice = std::make_shared<BackgroundSpeechEngine>([lexiconPath](QString *problem) {
            std::unique_ptr<SpeechEngine> engine;
#ifdef VESKORA_WITH_FESTIVAL
            auto festival = std::make_unique<FestivalSpeechEngine>(lexiconPath);
            if (festival->isAvailable())
                engine = std::move(festival);
            else
                *problem = festival->problem();
#else
            Q_UNUSED(lexiconPath)
            *problem = QStringLiteral("this build has no Festival");
#endif
            return engine;
        });
    }
    return voice;
}

} // namespace Platform
