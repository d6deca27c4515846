// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>

#include <QEventLoop>
#include <QTimer>

#include "inmemorysettingsstore.h"
#include "platform/agent/agentcontrol.h"
#include "platform/agent/geniecharacterservice.h"
#include "platform/core/apppaths.h"

namespace TestSupport {

/// The character's speech of \a text as the service hands it back (synthesised in the
/// background), waited for at most \a timeoutMs; nothing when the request fails or nothing
/// comes in time.
inline std::optional<Platform::Utterance> speechOf(Platform::AgentCharacter &character, const QString &text,
                                                   int timeoutMs = 30000)
{
    std::optional<Platform::Utterance> speech;
    QEventLoop loop;
    const auto done = [&](const Platform::Utterance &utterance) {
        speech = utterance;
        loop.quit();
    };
    if (character.synthesize(text, &loop, done).failed())
        return std::nullopt;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return speech;
}

/// The genie's Russian speech of \a text from the real character service over the built
/// course (VESKORA_APP_DIR); nothing when the genie cannot be loaded or no speech comes. The
/// test links the agent's library.
inline std::optional<Platform::Utterance> russianGenieSpeech(const QString &text)
{
    InMemorySettingsStore settings;
    Platform::GenieCharacterService service(Platform::AppPaths(qEnvironmentVariable("VESKORA_APP_DIR")), settings);
    Platform::AgentControl control(service);
    if (control.load(QStringLiteral("Genie"), QStringLiteral("Genie.acs")).failed())
        return std::nullopt;
    auto character = control.character(QStringLiteral("Genie"));
    if (!character || character->setLanguageID(1049).failed())
        return std::nullopt;
    return speechOf(*character, text);
}

} // namespace TestSupport
