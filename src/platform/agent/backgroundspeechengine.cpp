// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/backgroundspeechengine.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace Platform {

// What the caller and the engine's thread share; the thread holds it too, so a thread
// left loading never touches freed memory.
struct BackgroundSpeechEngine::Shared {
    mutable std::mutex mutex;
    mutable std::condition_variable changed;
    State state = State::Loading;
    QString problem;
    std::deque<std::function<void()>> jobs;
    SpeechEngine *engineForJobs = nullptr;
    bool stopping = false;
    std::thread thread;

    void serve(const Factory &factory);
};

void BackgroundSpeechEngine::Shared::serve(const Factory &factory)
{
    QString why;
    std::unique_ptr<SpeechEngine> engine = factory(&why);
    {
        const std::lock_guard lock(mutex);
        state = engine ? State::Ready : State::Failed;
        problem = engine ? QString() : (why.isEmpty() ? QStringLiteral("the engine could not start") : why);
        engineForJobs = engine.get();
    }
    changed.notify_all();
    while (true) {
        std::function<void()> job;
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [this] { return stopping || !jobs.empty(); });
            if (jobs.empty())
                break;
            job = std::move(jobs.front());
            jobs.pop_front();
        }
        job();
    }
    // Made here, destroyed here.
    engine.reset();
}

BackgroundSpeechEngine::BackgroundSpeechEngine(Factory factory)
    : m_shared(std::make_shared<Shared>())
{
    m_shared->thread = std::thread([shared = m_shared, factory = std::move(factory)] { shared->serve(factory); });
}

BackgroundSpeechEngine::~BackgroundSpeechEngine()
{
    std::unique_lock lock(m_shared->mutex);
    m_shared->stopping = true;
    const bool loading = m_shared->state == State::Loading;
    lock.unlock();
    m_shared->changed.notify_all();
    if (loading)
        m_shared->thread.detach();
    else
        m_shared->thread.join();
}

BackgroundSpeechEngine::State BackgroundSpeechEngine::state() const
{
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->state;
}

QString BackgroundSpeechEngine::problem() const
{
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->problem;
}

bool BackgroundSpeechEngine::waitUntilLoaded(int ms) const
{
    std::unique_lock lock(m_shared->mutex);
    return m_shared->changed.wait_for(lock, std::chrono::milliseconds(ms),
                                      [this] { return m_shared->state != State::Loading; });
}

bool BackgroundSpeechEngine::run(const std::function<void(SpeechEngine &)> &job)
{
    std::unique_lock lock(m_shared->mutex);
    if (m_shared->state != State::Ready || m_shared->stopping)
        return false;
    bool done = false;
    SpeechEngine *engine = m_shared->engineForJobs;
    m_shared->jobs.push_back([&, engine] {
        job(*engine);
        const std::lock_guard finished(m_shared->mutex);
        done = true;
        m_shared->changed.notify_all();
    });
    m_shared->changed.notify_all();
    m_shared->changed.wait(lock, [&] { return done; });
    return true;
}

bool BackgroundSpeechEngine::hasVoice(const QString &voice)
{
    bool has = false;
    return run([&](SpeechEngine &engine) { has = engine.hasVoice(voice); }) && has;
}

Utterance BackgroundSpeechEngine::synthesize(const QString &voice, const SpeechText &text)
{
    Utterance utterance;
    if (!run([&](SpeechEngine &engine) { utterance = engine.synthesize(voice, text); }))
        return silentUtterance(text);
    return utterance;
}

} // namespace Platform
