// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include <memory>
#include <mutex>
#include <thread>

#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include "inmemorysettingsstore.h"
#include "platform/agent/agentcontrol.h"
#include "platform/agent/geniecharacterservice.h"
#include "platform/agent/speechworker.h"
#include "platform/agent/wavwriter.h"

using namespace Platform;
using namespace Qt::StringLiterals;

namespace {

// What a GatedEngine did, read by the test.
struct EngineLog {
    std::mutex mutex;
    QSet<Qt::HANDLE> threads;
    QStringList spoken;
    int begun = 0;
    bool destroyed = false;

    void note()
    {
        const std::lock_guard lock(mutex);
        threads << QThread::currentThreadId();
    }
    QStringList spokenSoFar()
    {
        const std::lock_guard lock(mutex);
        return spoken;
    }
    int begunSoFar()
    {
        const std::lock_guard lock(mutex);
        return begun;
    }
};

// A speech engine whose every synthesis waits for a pass through the test's gate, and which
// notes the threads it is made, used and destroyed on. Only "ru" exists.
class GatedEngine final : public SpeechEngine {
public:
    GatedEngine(std::shared_ptr<EngineLog> log, std::shared_ptr<QSemaphore> gate)
        : m_log(std::move(log))
        , m_gate(std::move(gate))
    {
        m_log->note();
    }
    ~GatedEngine() override
    {
        m_log->note();
        const std::lock_guard lock(m_log->mutex);
        m_log->destroyed = true;
    }
    bool hasVoice(const QString &voice) override
    {
        m_log->note();
        return voice == u"ru"_s;
    }
    Utterance synthesize(const QString &, const SpeechText &text) override
    {
        m_log->note();
        {
            const std::lock_guard lock(m_log->mutex);
            ++m_log->begun;
        }
        m_gate->acquire();
        const std::lock_guard lock(m_log->mutex);
        m_log->spoken << text.spoken;
        return silentUtterance(text);
    }

private:
    std::shared_ptr<EngineLog> m_log;
    std::shared_ptr<QSemaphore> m_gate;
};

// Speech in two pieces: the first half of the words at once, the second once the gate lets
// it through. Each word is 200 ms of loud sound.
class PiecewiseEngine final : public SpeechEngine {
public:
    explicit PiecewiseEngine(std::shared_ptr<QSemaphore> gate)
        : m_gate(std::move(gate))
    {
    }
    bool hasVoice(const QString &voice) override { return voice == u"ru"_s; }
    Utterance synthesize(const QString &, const SpeechText &text) override { return said(text.spoken.split(u' ')); }
    void synthesizeInParts(const QString &, const SpeechText &text,
                           const std::function<void(const UtterancePart &)> &deliver) override
    {
        const QStringList words = text.spoken.split(u' ');
        const int half = int(words.size()) / 2;
        deliver({said(words.mid(0, half)), int(words.size()), false});
        m_gate->acquire();
        deliver({said(words.mid(half)), int(words.size()), true});
    }

private:
    static Utterance said(const QStringList &words)
    {
        Utterance utterance;
        for (qsizetype i = 0; i < words.size(); ++i)
            utterance.wordStartsMs << i * 200;
        utterance.durationMs = words.size() * 200;
        utterance.pcm.resize(qsizetype(utterance.sampleRate) / 5 * words.size() * 2);
        auto *samples = reinterpret_cast<qint16 *>(utterance.pcm.data());
        for (qsizetype i = 0; i < utterance.pcm.size() / 2; ++i)
            samples[i] = i % 50 < 25 ? 8000 : -8000;
        return utterance;
    }

    std::shared_ptr<QSemaphore> m_gate;
};

struct Gated {
    std::shared_ptr<EngineLog> log = std::make_shared<EngineLog>();
    std::shared_ptr<QSemaphore> gate = std::make_shared<QSemaphore>();
    SpeechWorker::EngineFactory factory()
    {
        return [log = log, gate = gate] { return std::make_unique<GatedEngine>(log, gate); };
    }
};

SpeechText text(const QString &spoken)
{
    return parseSpeechText(uR"(\spd=150\)"_s + spoken);
}

} // namespace

class TestAgentWorker : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void engineLivesOnOneThreadAndSpeechComesBackInOrder()
    {
        Gated engine;
        engine.gate->release(10);
        QStringList done;
        {
            SpeechWorker worker(engine.factory());
            QObject receiver;
            for (const QString &word : {u"один"_s, u"два"_s, u"три"_s})
                worker.synthesize(u"ru"_s, text(word), &receiver, [&done, word](const Utterance &utterance) {
                    QVERIFY(utterance.durationMs > 0);
                    done << word;
                });
            QVERIFY(worker.hasVoice(u"ru"_s));
            QVERIFY(!worker.hasVoice(u"en"_s));
            QTRY_COMPARE(done, (QStringList{u"один"_s, u"два"_s, u"три"_s}));
        }
        QVERIFY(engine.log->destroyed);
        QCOMPARE(engine.log->threads.size(), 1);
        QVERIFY(!engine.log->threads.contains(QThread::currentThreadId()));
    }

    void endingWorkerFinishesTheSpeechInHandAndDropsTheRest()
    {
        Gated engine;
        bool answered = false;
        {
            SpeechWorker worker(engine.factory());
            QObject receiver;
            worker.synthesize(u"ru"_s, text(u"первое"_s), &receiver, [&](const Utterance &) { answered = true; });
            worker.synthesize(u"ru"_s, text(u"второе"_s), &receiver, [&](const Utterance &) { answered = true; });
            QTRY_COMPARE(engine.log->begunSoFar(), 1); // the first synthesis waits at the gate
            // The gate opens while this thread waits for the worker to end.
            std::thread opener([gate = engine.gate] {
                QThread::msleep(100);
                gate->release(2);
            });
            opener.detach();
        }
        QTest::qWait(50);
        QCOMPARE(engine.log->spokenSoFar(), QStringList{u"первое"_s});
        QVERIFY(engine.log->destroyed);
        QVERIFY(!answered);
    }

    void speechForAReceiverThatIsGoneIsDropped()
    {
        Gated engine;
        SpeechWorker worker(engine.factory());
        auto receiver = std::make_unique<QObject>();
        bool answered = false;
        worker.synthesize(u"ru"_s, text(u"кошка"_s), receiver.get(), [&](const Utterance &) { answered = true; });
        receiver.reset();
        engine.gate->release();
        QTRY_COMPARE(engine.log->spokenSoFar(), QStringList{u"кошка"_s});
        QTest::qWait(50);
        QVERIFY(!answered);
    }

    // The windows' calls return at once and the interface keeps turning while a speech is
    // being synthesised; the speech starts when its sound is back.
    void serviceWaitsForSynthesisWithoutHoldingUpTheInterface()
    {
        qputenv("PULSE_SERVER", "unix:/nonexistent/veskora-test-no-sound");
        Gated engine;
        TestSupport::InMemorySettingsStore store;
        GenieCharacterService service(AppPaths(qEnvironmentVariable("VESKORA_APP_DIR")), store,
                                      std::make_unique<GatedEngine>(engine.log, engine.gate));
        service.setTimeScale(25);
        AgentControl control(service);
        QVERIFY(control.load(u"Genie"_s, u"Genie.acs"_s).ok());
        auto character = control.character(u"Genie"_s);
        QVERIFY(character->setLanguageID(1049).ok());
        QSignalSpy started(&service, &GenieCharacterService::requestStarted);
        QSignalSpy audio(&service, &GenieCharacterService::speechAudioStarted);
        QSignalSpy balloon(&service, &GenieCharacterService::balloonTextChanged);
        QVERIFY(character->speak(uR"(\spd=150\Доброе утро)"_s).ok());
        QVERIFY(character->play(u"Blink"_s).ok());
        QTRY_COMPARE(started.count(), 1);

        int turns = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] { ++turns; });
        ticker.start(5);
        QTRY_VERIFY(turns >= 5);
        QCOMPARE(started.count(), 1); // the animation waits for the speech
        QCOMPARE(audio.count(), 0);
        QVERIFY(service.player(u"Genie"_s)->isBusy());

        engine.gate->release();
        QTRY_VERIFY_WITH_TIMEOUT(!service.player(u"Genie"_s)->isBusy(), 20000);
        QCOMPARE(started.count(), 2);
        QCOMPARE(balloon.last().at(1).toString(), u"Доброе утро"_s);
        qunsetenv("PULSE_SERVER");
    }

    // The first piece of a speech is heard while the rest is made: the speech goes on
    // until its last piece has been heard, the balloon shows each piece's words in turn,
    // and the capture file holds the whole speech once.
    void speechInPiecesIsOneSpeech()
    {
        QTemporaryDir dir;
        const QString wav = dir.filePath(u"speech.wav"_s);
        qputenv("VESKORA_AUDIO_OUT", wav.toUtf8());
        auto gate = std::make_shared<QSemaphore>();
        TestSupport::InMemorySettingsStore store;
        {
            GenieCharacterService service(AppPaths(qEnvironmentVariable("VESKORA_APP_DIR")), store,
                                          std::make_unique<PiecewiseEngine>(gate));
            // A failing check must not leave the worker waiting at the gate forever.
            const auto openGate = qScopeGuard([&gate] { gate->release(); });
            service.setTimeScale(25);
            AgentControl control(service);
            QVERIFY(control.load(u"Genie"_s, u"Genie.acs"_s).ok());
            auto character = control.character(u"Genie"_s);
            QVERIFY(character->setLanguageID(1049).ok());
            QSignalSpy audio(&service, &GenieCharacterService::speechAudioStarted);
            QSignalSpy balloon(&service, &GenieCharacterService::balloonTextChanged);
            QVERIFY(character->speak(u"раз два три четыре"_s).ok());
            QTRY_COMPARE(audio.count(), 1);
            // Far past the first piece's 400 ms at this speed: it waits for the rest,
            // showing no more than the first piece's words.
            QTest::qWait(100);
            QVERIFY(service.player(u"Genie"_s)->isBusy());
            QCOMPARE(balloon.last().at(1).toString(), u"раз два"_s);

            gate->release();
            QTRY_VERIFY_WITH_TIMEOUT(!service.player(u"Genie"_s)->isBusy(), 20000);
            QCOMPARE(audio.count(), 1);
            QCOMPARE(balloon.last().at(1).toString(), u"раз два три четыре"_s);
        }
        qunsetenv("VESKORA_AUDIO_OUT");
        QByteArray pcm;
        int sampleRate = 0;
        QVERIFY(readWav(wav, &pcm, &sampleRate));
        QCOMPARE(pcm.size(), qsizetype(sampleRate) / 5 * 4 * 2);
    }
};

QTEST_MAIN(TestAgentWorker)
#include "tst_agentworker.moc"
