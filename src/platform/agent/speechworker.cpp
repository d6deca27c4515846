// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/speechworker.h"

#include <QPointer>

namespace Platform {

SpeechWorker::SpeechWorker(EngineFactory factory, QObject *parent)
    : QObject(parent)
    , m_factory(std::move(factory))
{
}

SpeechWorker::~SpeechWorker()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_jobs.clear();
    }
    m_wake.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

void SpeechWorker::post(Job job)
{
    {
        const std::lock_guard lock(m_mutex);
        m_jobs.push_back(std::move(job));
        if (!m_thread.joinable())
            m_thread = std::thread(&SpeechWorker::run, this);
    }
    m_wake.notify_one();
}

void SpeechWorker::run()
{
    std::unique_ptr<SpeechEngine> engine = m_factory ? m_factory() : nullptr;
    if (!engine)
        engine = std::make_unique<NullSpeechEngine>();
    for (;;) {
        Job job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
            if (m_stopping)
                break;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        job(*engine);
    }
    // The engine ends on the thread that used it.
    engine.reset();
}

void SpeechWorker::askVoice(const QString &voice)
{
    if (m_voices.contains(voice))
        return;
    auto answer = std::make_shared<std::promise<bool>>();
    m_voices.emplace(voice, answer->get_future().share());
    post([answer, voice](SpeechEngine &engine) { answer->set_value(engine.hasVoice(voice)); });
}

void SpeechWorker::warmUp(const QStringList &voices)
{
    for (const QString &voice : voices)
        askVoice(voice);
    if (voices.isEmpty())
        post([](SpeechEngine &) {});
}

bool SpeechWorker::hasVoice(const QString &voice)
{
    askVoice(voice);
    return m_voices.at(voice).get();
}

void SpeechWorker::synthesize(const QString &voice, const SpeechText &text, QObject *receiver,
                              std::function<void(const Utterance &)> done)
{
    // The guard is made and read on this thread only; the worker's thread just carries it.
    QPointer<QObject> guard(receiver);
    post([this, voice, text, guard, done = std::move(done)](SpeechEngine &engine) {
        Utterance utterance = engine.synthesize(voice, text);
        // Posted to the worker object, which outlives its thread: events still waiting when
        // it is destroyed are dropped with it.
        QMetaObject::invokeMethod(
            this,
            [guard, done, utterance = std::move(utterance)] {
                if (guard)
                    done(utterance);
            },
            Qt::QueuedConnection);
    });
}

void SpeechWorker::synthesizeInParts(const QString &voice, const SpeechText &text, QObject *receiver,
                                     std::function<void(const UtterancePart &)> deliver)
{
    QPointer<QObject> guard(receiver);
    post([this, voice, text, guard, deliver = std::move(deliver)](SpeechEngine &engine) {
        engine.synthesizeInParts(voice, text, [this, guard, &deliver](const UtterancePart &part) {
            QMetaObject::invokeMethod(
                this,
                [guard, deliver, part] {
                    if (guard)
                        deliver(part);
                },
                Qt::QueuedConnection);
        });
    });
}

} // namespace Platform
