// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <optional>

#include <QEventLoop>
#include <QTimer>

#include "platform/agent/agentcontrol.h"

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

} // namespace TestSupport
