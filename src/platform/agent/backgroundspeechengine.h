// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>
#include <memory>

#include <QString>

#include "platform/agent/speechengine.h"

namespace Platform {

/// A speech engine that lives on a thread of its own: made there by a factory (which may
/// take seconds), used only there and destroyed there, for synthesisers that are slow to
/// load or bound to one thread. Nothing waits for the loading: until the engine is ready
/// it has no voices and speaks silently, and any thread may ask how far it is.
class BackgroundSpeechEngine final : public SpeechEngine {
public:
    enum class State { Loading, Ready, Failed };
    /// Makes the engine on its thread; returns nullptr, with the reason in \a problem, when
    /// it cannot speak.
    using Factory = std::function<std::unique_ptr<SpeechEngine>(QString *problem)>;

    /// Starts the thread, which runs \a factory at once.
    explicit BackgroundSpeechEngine(Factory factory);
    /// Destroys the engine on its thread once the work in hand is done. An engine still
    /// loading is left to finish on its own, so that closing never waits for it.
    ~BackgroundSpeechEngine() override;
    BackgroundSpeechEngine(const BackgroundSpeechEngine &) = delete;
    BackgroundSpeechEngine &operator=(const BackgroundSpeechEngine &) = delete;

    State state() const;
    /// Why the engine could not be made; empty otherwise.
    QString problem() const;
    /// Waits at most \a ms for the loading to end; true when it has (tests, benchmarks).
    bool waitUntilLoaded(int ms) const;

    /// False until the engine is ready; then the engine's answer.
    bool hasVoice(const QString &voice) override;
    /// The engine's speech, made on its thread while the caller waits; until the engine is
    /// ready, an utterance without audio.
    Utterance synthesize(const QString &voice, const SpeechText &text) override;
    /// Runs \a job with the engine on its thread and waits for it; false (and \a job not
    /// run) when the engine is not ready.
    bool run(const std::function<void(SpeechEngine &)> &job);

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
};

} // namespace Platform
