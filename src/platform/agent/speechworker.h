// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include <QObject>
#include <QString>

#include "platform/agent/speechengine.h"

namespace Platform {

/// Runs one speech engine on a thread of its own, so that synthesis (with the rate's
/// calibration passes) never holds up the user-interface thread.
///
/// The engine is made by the factory on the worker's thread when the first job needs it,
/// used only there and destroyed there when the worker ends. A library that keeps one state
/// per process and no locks (libespeak-ng, Festival) is therefore safe as long as one worker
/// owns its engine; two workers must not own engines over the same such library.
///
/// Jobs run one at a time in the order given. The worker itself belongs to the thread that
/// made it (the user-interface thread): call its functions from there only. Results come
/// back on that thread through its event loop.
class SpeechWorker final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpeechWorker)
public:
    /// Makes the engine; called once, on the worker's thread. May return nullptr, which
    /// gives a NullSpeechEngine.
    using EngineFactory = std::function<std::unique_ptr<SpeechEngine>()>;
    using Job = std::function<void(SpeechEngine &)>;

    /// Cheap: the thread starts with the first job.
    explicit SpeechWorker(EngineFactory factory, QObject *parent = nullptr);
    /// Lets the job in hand finish, drops the jobs still waiting (their results never
    /// arrive) and destroys the engine on the worker's thread before returning.
    ~SpeechWorker() override;

    /// Starts the engine in the background now rather than at the first speech, and asks it
    /// about \a voices so that hasVoice() will not wait for them.
    void warmUp(const QStringList &voices);

    /// True when the engine can speak with \a voice ("ru", "en"). The first question for a
    /// voice waits for the worker's answer (behind the jobs queued before it); the answer is
    /// kept and later questions return at once.
    bool hasVoice(const QString &voice);

    /// Queues the synthesis of \a text with \a voice and returns at once. \a done is called
    /// with the utterance on this worker's thread of origin, unless \a receiver has been
    /// destroyed by then.
    void synthesize(const QString &voice, const SpeechText &text, QObject *receiver,
                    std::function<void(const Utterance &)> done);

    /// Like synthesize(), with the speech delivered in pieces as the engine makes them (see
    /// SpeechEngine::synthesizeInParts): \a deliver is called once per piece, in order.
    void synthesizeInParts(const QString &voice, const SpeechText &text, QObject *receiver,
                           std::function<void(const UtterancePart &)> deliver);

    /// Queues \a job, run on the worker's thread with the engine after the jobs before it
    /// (engine set-up, loading a voice in the background). It must not touch objects of
    /// other threads; to answer, it posts to them (QMetaObject::invokeMethod).
    void post(Job job);

private:
    void run();
    void askVoice(const QString &voice);

    EngineFactory m_factory;
    std::map<QString, std::shared_future<bool>> m_voices;

    // Shared with the worker's thread, under m_mutex.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Job> m_jobs;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace Platform
