// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <functional>
#include <memory>

#include <QString>

#include "platform/agent/speechengine.h"

namespace Platform {

class SpeechWorker;

/// A voice that loads for seconds on a worker of its own (Festival): the engine is made,
/// used and destroyed on that worker's thread. Nothing waits for the loading: any thread may
/// ask how far it is, and the voice's speech goes through worker() once it is ready.
///
/// Belongs to the thread that made it, like its worker.
class FestivalVoice final {
public:
    enum class State { Loading, Ready, Failed };
    /// Makes the engine on the worker's thread; returns nullptr, with the reason in
    /// \a problem, when it cannot speak.
    using Factory = std::function<std::unique_ptr<SpeechEngine>(QString *problem)>;

    /// Starts loading at once.
    explicit FestivalVoice(Factory factory);
    /// Lets the job in hand finish and destroys the engine on its thread; while the voice is
    /// still loading, returns at once instead. Festival's loading cannot be stopped safely
    /// (it holds its interpreter's state and the C library's), so the worker then finishes
    /// it on its own and stays idle until the process ends: closing never waits for it.
    ~FestivalVoice();
    FestivalVoice(const FestivalVoice &) = delete;
    FestivalVoice &operator=(const FestivalVoice &) = delete;

    State state() const;
    /// Why the voice cannot speak; empty otherwise.
    QString problem() const;
    /// Waits at most \a ms for the loading to end; true when it has (tests, benchmarks).
    bool waitUntilLoaded(int ms) const;
    /// Runs \a job with the engine on its thread and waits for it (tests, benchmarks).
    void run(const std::function<void(SpeechEngine &)> &job);
    SpeechWorker &worker() { return *m_worker; }

private:
    struct Progress;
    std::shared_ptr<Progress> m_progress;
    std::unique_ptr<SpeechWorker> m_worker;
};

/// The process's one Festival voice, loading from the first call on (from the
/// user-interface thread), with the stress lexicon of \a lexiconPath (only the first
/// call's counts). Kept for the life of the process: Festival cannot be started twice.
std::shared_ptr<FestivalVoice> festivalVoice(const QString &lexiconPath);

} // namespace Platform
