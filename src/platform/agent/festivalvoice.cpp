// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/festivalvoice.h"

#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <vector>

#include "platform/agent/speechenginefactory.h"
#include "platform/agent/speechworker.h"

namespace Platform {

// How far the loading is, written on the worker's thread and read on any.
struct FestivalVoice::Progress {
    mutable std::mutex mutex;
    mutable std::condition_variable changed;
    State state = State::Loading;
    QString problem;

    void settle(bool ready, const QString &why)
    {
        {
            const std::lock_guard lock(mutex);
            state = ready ? State::Ready : State::Failed;
            problem = ready ? QString() : (why.isEmpty() ? QStringLiteral("the engine could not start") : why);
        }
        changed.notify_all();
    }
};

FestivalVoice::FestivalVoice(Factory factory)
    : m_progress(std::make_shared<Progress>())
{
    auto why = std::make_shared<QString>();
    m_worker = std::make_unique<SpeechWorker>([factory = std::move(factory), why] { return factory(why.get()); });
    // The first job makes the engine; without one the worker has a silent engine without
    // voices.
    m_worker->post([progress = m_progress, why](SpeechEngine &engine) {
        progress->settle(engine.hasVoice(QStringLiteral("ru")), *why);
    });
}

FestivalVoice::~FestivalVoice()
{
    if (state() != State::Loading)
        return;
    // Festival's loading cannot be interrupted, and the worker would wait for it: the worker
    // is left to finish on its own, idle from then on, and ends with the process. The list
    // keeps it reachable, so that leak checkers know it was meant.
    static auto *const abandoned = new std::vector<std::unique_ptr<SpeechWorker>>;
    abandoned->push_back(std::move(m_worker));
}

FestivalVoice::State FestivalVoice::state() const
{
    const std::lock_guard lock(m_progress->mutex);
    return m_progress->state;
}

QString FestivalVoice::problem() const
{
    const std::lock_guard lock(m_progress->mutex);
    return m_progress->problem;
}

bool FestivalVoice::waitUntilLoaded(int ms) const
{
    std::unique_lock lock(m_progress->mutex);
    return m_progress->changed.wait_for(lock, std::chrono::milliseconds(ms),
                                        [this] { return m_progress->state != State::Loading; });
}

void FestivalVoice::run(const std::function<void(SpeechEngine &)> &job)
{
    std::promise<void> done;
    m_worker->post([&](SpeechEngine &engine) {
        job(engine);
        done.set_value();
    });
    done.get_future().wait();
}

std::shared_ptr<FestivalVoice> festivalVoice(const QString &lexiconPath)
{
    static std::shared_ptr<FestivalVoice> voice;
    if (!voice) {
        voice = std::make_shared<FestivalVoice>(
            [lexiconPath](QString *problem) { return makeFestivalEngine(lexiconPath, problem); });
    }
    return voice;
}

} // namespace Platform
